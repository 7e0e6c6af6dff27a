// The canvas of the real main window driven through CanvasProc by seeded
// random input: keys, wheel notches, paper drags, presses and strokes in every
// mouse mode, mode and block-size changes. After every step the canvas and
// the image are held against a model of the paper, the view and the input
// rules; the whole paper once per run.

#include "../support/EditorSession.h"

#include "app/Commands.h"
#include "canvas/CanvasInput.h"
#include "canvas/Paper.h"
#include "settings/SettingsFile.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/VisibleArea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using I64 = std::int64_t;
constexpr int CW = VIEW_WIDTH - 2, CH = VIEW_HEIGHT - 2; // the canvas inside its border
constexpr MessageId MOUSE[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP};
constexpr std::uint32_t COMMANDS[] = {CmdModePan, CmdModeTransparent, CmdModeRealColour,
                                      CmdModeTransparentBlock, CmdModeRealColourBlock};

// Stands for the control's own procedure: what it was handed.
std::array<I64, 4> handed;
LResult OldProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    handed = {window, message, wParam, lParam};
    return LResult(message ^ wParam ^ 0x5A5A);
}

struct Model {
    int W, H;
    std::vector<Colour> image, real, canvas = std::vector<Colour>(CW * CH);
    I64 ox = 0, oy = 0, lastX = 0, lastY = 0;
    int mode = MovePaper, bw = std::atoi(SETTINGS_DEFAULT_VALUE), bh = bw, active = 0;
    bool button = false, dragging = false;
    std::int32_t pointer = CurrentMousePointer();
    ClientRect visible{}; // the part of the canvas that the window shows

    // Cell (i, j) covers paper pixels 10i..10i+10: a black outline round the pixel's colour.
    Colour Paper(I64 px, I64 py) const {
        if (px < 0 || py < 0 || px >= ZOOM_SIZE || py >= ZOOM_SIZE) return CLR_INVALID;
        if (px > CELL_SIZE * W || py > CELL_SIZE * H) return BACKGROUND_COLOUR;
        if (px % CELL_SIZE == 0 || py % CELL_SIZE == 0) return GRID_COLOUR;
        return image[std::size_t(py / CELL_SIZE * W + px / CELL_SIZE)];
    }
    // Whether the paper surface shows this paper over the area, which may reach past its sides.
    bool Shows(Handle paper, int x, int y, int w, int h) const {
        std::vector<Colour> want;
        for (int k = 0; k < w * h; ++k)
            want.push_back(Paper(x + k % w, y + k / w));
        return ReadSurfaceArea(paper, x, y, w, h) == want;
    }
    void Refresh() { // white where no paper reaches
        for (int k = 0; k < CW * CH; ++k)
            canvas[std::size_t(k)] = std::min(Paper(k % CW - ox, k / CW - oy), BACKGROUND_COLOUR);
    }
    // Each key tests its limit before its step, which is not clamped. The wheel steps like the Up
    // and Down arrows, 15 pixels, and refreshes even where it moves nothing.
    void Key(WParam key, int step = CELL_SIZE, bool wheel = false) {
        const I64 endX = CELL_SIZE * (1 - W), endY = CELL_SIZE * (1 - H), x = ox, y = oy;
        if (key == VK_RIGHT && ox > endX) ox -= step;
        if (key == VK_LEFT && ox < 0) ox += step;
        if (key == VK_DOWN && oy > endY) oy -= step;
        if (key == VK_UP && oy < 0) oy += step;
        if (key == VK_NEXT && oy > endY) oy -= 100;
        if (key == VK_PRIOR && oy < 0) oy += 100;
        if (key == VK_END) oy = endY;
        if (key == VK_HOME) ox = oy = 0;
        if (wheel || key == VK_END || key == VK_HOME || ox != x || oy != y) Refresh();
    }
    void Apply(int x, int y) { // the mode's tool: nothing outside the visible canvas or the image
        const I64 i = (x - ox) / CELL_SIZE, j = (y - oy) / CELL_SIZE; // toward zero
        if (!Contains(visible, x, y) || i < 0 || j < 0 || i >= W || j >= H) return;
        const bool block = mode >= EditTransparentBlock; // clipped to the image pixel by pixel
        for (I64 r = j; r < std::min<I64>(H, j + (block ? bh : 1)); ++r)
            for (I64 c = i; c < std::min<I64>(W, i + (block ? bw : 1)); ++c)
                image[r * W + c] = mode % 2 ? TRANSPARENT_KEY_COLOUR : real[r * W + c]; // 1, 3
        Refresh();
    }
    void Mouse(MessageId message, WParam keys, int x, int y) {
        const bool move = message == WM_MOUSEMOVE, free = move && !(keys & MK_LBUTTON);
        // A move without the left button while a stroke or drag is under way ends it as a release.
        if (message == WM_LBUTTONUP || (free && (button || (active && dragging)))) {
            dragging = false;
            button = button && mode == MovePaper;
            active = 0, pointer = POINTER_ARROW;
        } else if (mode != MovePaper && (message == WM_LBUTTONDOWN || (move && button))) {
            button = true; // a press starts a stroke wherever it lands
            Apply(x, y);
        } else if (message == WM_LBUTTONDOWN) { // a press on the paper picks it up
            if (ox <= x && x <= ox + ZOOM_SIZE && oy <= y && y <= oy + ZOOM_SIZE)
                active = PAPER_ITEM;
            if (active && !dragging) dragging = true, pointer = POINTER_CROSS, lastX = x, lastY = y;
        } else if (move && mode == MovePaper && active && dragging) { // no limit, saturating
            ox = std::clamp<I64>(ox + x - lastX, INT32_MIN, INT32_MAX), lastX = x;
            oy = std::clamp<I64>(oy + y - lastY, INT32_MIN, INT32_MAX), lastY = y;
            pointer = POINTER_CROSS;
            Refresh();
        }
    }
};

TEST(Canvas, RandomInputMatchesTheModelOfPaperViewAndTools) {
    // Images of 1 x 1, 500 x 1, 1 x 500, 500 x 500, and two at random.
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const auto below = [&](int n) { return int(random() % unsigned(n)); };
        const int W = seed > 4 ? 1 + below(500) : seed % 2 ? 1 : 500;
        const int H = seed > 4 ? 1 + below(500) : seed < 3 ? 1 : 500;
        // The pointer takes small steps, or jumps about the image where the canvas shows it or
        // anywhere about the canvas; along either axis it may go to either side of an edge of the
        // canvas or the paper instead, or to any 16-bit position for one message.
        const auto walk = [&](int& p, I64 o, int n, int side, int k) { // n: cells along that side
            const I64 low = std::max<I64>(o, 0) - 15, high = std::min<I64>(o + 10 * n, side) + 15;
            const int any = below(side + 80) - 40;
            const int near = high > low ? int(low + below(int(high - low))) : any;
            const I64 edge = std::array<I64, 4>{0, side, o, o + ZOOM_SIZE}[below(4)] - below(2);
            p = std::int16_t(!below(5) ? edge : k < 6 ? p + below(41) - 20 : k < 17 ? near : any);
            return below(20) ? p : std::int16_t(random());
        };
        EditorSession session;
        Model m{W, H, RandomPicture(W, H, seed), RandomPicture(W, H, seed)};
        session.Open(W, H, m.image);
        m.Refresh();
        const Handle canvas = session.Canvas(), paper = Editing().ZoomBitmap;
        m.visible = VisibleClientArea(canvas); // all columns, the rows above the window's edge
        ASSERT_TRUE(m.visible.right == CW && m.visible.bottom > CH / 2 && m.visible.bottom < CH)
            << m.visible.left << " " << m.visible.top << " " << m.visible.right << " "
            << m.visible.bottom;
        Editing().OldCanvasProc = OldProc;
        int px = 0, py = 0;
        for (int step = 0; step <= CANVAS_STEPS; ++step) { // fewer in the sanitized build (CMake)
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);
            const int k = below(20), x = walk(px, m.ox, W, CW, k), y = walk(py, m.oy, H, CH, k);
            const int op = step ? below(100) : 100;
            MessageId msg = 0; // for the steps that send no message of their own
            WParam wParam = below(8) == 0 ? random() & 0xFFFF0000 : 0; // not part of a key
            if (op < 14) { // Page Up to the Down arrow, and 0x29, which moves nothing
                msg = WM_KEYDOWN, wParam |= VK_PRIOR + below(9);
                m.Key(wParam & 0xFFFF);
            } else if (op < 20) { // the wheel, any delta
                msg = WM_MOUSEWHEEL, wParam = below(4) ? random() & 0xFFFF0001 : below(2);
                m.Key(std::int16_t(wParam >> 16) < 0 ? VK_DOWN : VK_UP, 15, true);
            } else if (op < 82) { // presses and moves, each twice as often as releases
                msg = MOUSE[below(5) / 2], wParam = below(6) ? MK_LBUTTON : 0;
                m.Mouse(msg, wParam, x, y);
            } else if (op < 92) { // a mode, from its menu command or directly, and a block size
                m.mode = below(5);
                op < 87 ? SelectMouseMode(m.mode) : session.Command(COMMANDS[m.mode]);
                Editing().BlockWidth = std::int16_t(m.bw = below(8) - 1);
                Editing().BlockHeight = std::int16_t(m.bh = below(8) - 1);
            } else if (op < 100) { // the paper elsewhere (during a drag, so far off that the drag
                // saturates), the canvas smudged so that a refresh is seen where nothing moved,
                // and a held move
                const int far = below(2) ? INT32_MIN : INT32_MAX;
                DragItem& item = Editing().DragItems[PAPER_ITEM];
                m.ox = item.X = m.dragging ? far : below(10 * W + 600) - 10 * W;
                m.oy = item.Y = m.dragging && below(2) ? far : below(10 * H + 400) - 10 * H;
                AttachSurface(Editing().MainWindow, CanvasControlId, false);
                ClearSurface(m.canvas[0] = random() & 0xFFFFFF, 0);
                std::fill(m.canvas.begin(), m.canvas.end(), m.canvas[0]);
                msg = WM_MOUSEMOVE, wParam = MK_LBUTTON;
                m.Mouse(msg, wParam, x, y);
            }
            const LParam lParam = MakeLParam(x, y);
            ASSERT_EQ(CanvasProc(canvas, msg, wParam, lParam), LResult(msg ^ wParam ^ 0x5A5A));
            ASSERT_EQ(handed, (std::array<I64, 4>{canvas, msg, wParam, lParam}));
            ASSERT_EQ(CurrentMousePointer(), m.pointer);
            const DragItem& paperItem = Editing().DragItems[PAPER_ITEM]; // the view offset
            ASSERT_EQ((std::pair<I64, I64>(paperItem.X, paperItem.Y)), std::pair(m.ox, m.oy));
            ASSERT_EQ(ReadSurfaceArea(canvas, 0, 0, CW, CH), m.canvas);
            ASSERT_EQ(ReadSurfaceArea(Editing().ImageBitmap, 0, 0, W, H), m.image);
        }
        // The whole paper in three bands of 1667 rows, to one row and column past its sides
        // (not in the sanitized build).
        for (int band = 0; band < PAPER_BANDS * 1667; band += 1667)
            ASSERT_TRUE(m.Shows(paper, 0, band, ZOOM_SIZE + 1, 1667)) << "seed " << seed;
    }
}

// Around the last row and column of cells: past the image's own, cells are
// black (start-up never puts them there), and the grid lines below and right
// of the last cells close the grid, white beyond.
TEST(Paper, ClosesTheGridAfterTheLastCellsAndBlacksOutCellsPastTheImage) {
    EditorSession session;
    const std::vector<Colour> image = RandomPicture(3, 2, 9);
    session.Open(3, 2, image);
    for (const auto& [columns, rows] : {std::pair(3, 2), std::pair(4, 3)}) {
        PutCellsOnPaper(columns, rows);
        const std::vector<Colour> got = ReadSurfaceArea(Editing().ZoomBitmap, 15, 5, 40, 40);
        for (int k = 0; k < 1600; ++k) {
            const int px = 15 + k % 40, py = 5 + k / 40, i = px / 10, j = py / 10;
            const Colour want = px > 10 * columns || py > 10 * rows ? BACKGROUND_COLOUR
                                : px % 10 == 0 || py % 10 == 0 || i >= 3 || j >= 2
                                    ? GRID_COLOUR
                                    : image[std::size_t(j * 3 + i)];
            ASSERT_EQ(got[std::size_t(k)], want) << columns << " x " << rows << ": " << px << ", " << py;
        }
    }
}

} // namespace
