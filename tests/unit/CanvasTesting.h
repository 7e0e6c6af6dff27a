#pragma once
// What the canvas input tests share: the editor's real main window, built by
// its own initialisation on Qt's offscreen platform (never shown), over an
// image whose every pixel has a colour of its own; synthetic messages to
// CanvasProc; the pixels of the image, the paper and the canvas; and a count
// of the canvas's refreshes.

#include "app/MainWindow.h"
#include "canvas/CanvasInput.h"
#include "canvas/EditingState.h"
#include "canvas/Rendering.h"
#include "ui/Application.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

// Never magenta, black or white, and different for every (i, j) of an image
// of up to 256 x 256 pixels.
inline Colour LoadedColour(int i, int j) {
    return Rgb(std::uint8_t(i), std::uint8_t(j), std::uint8_t(0x80 + (i + j) % 64));
}

inline int& Presentations() {
    static int count = 0;
    return count;
}
inline void CountPresentation(Handle, int, int, int, int) {
    ++Presentations();
}

inline void StartOffscreenUiServices() {
    if (UiServicesStarted()) return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "unit_canvasinput";
    static char* argv[] = {name, nullptr};
    StartUiServices(argc, argv);
}

// The editor the tests share: building one clears a 5000 x 5000 paper, which
// costs far more than a test (most of all under the sanitizers), so a test
// that wants an editor of the same size gets this one back as it was built.
struct SharedEditor {
    bool open = false;
    int width = 0, height = 0;
    EditingState asBuilt; // every variable right after initialisation
    std::vector<Colour> loaded;
    int presentationsPerRefresh = 0;
};

inline SharedEditor& Shared() {
    static SharedEditor editor;
    return editor;
}

class CanvasTest : public testing::Test {
  protected:
    static constexpr int W = 150;
    static constexpr int H = 120;
    // The first row and column of pixels outside the canvas's client area.
    static constexpr int CLIENT_WIDTH = VIEW_WIDTH - 2;
    static constexpr int CLIENT_HEIGHT = VIEW_HEIGHT - 2;

    static void SetUpTestSuite() { StartOffscreenUiServices(); }
    void SetUp() override { Open(W, H); }

    // The editor on a width x height image, in "Mover papel" mode with blocks
    // of 3 x 3, as start-up and the main window's initialisation leave it.
    void Open(int width, int height) {
        SharedEditor& shared = Shared();
        if (!shared.open || shared.width != width || shared.height != height) {
            Build(width, height);
        } else {
            Restore();
        }
        canvas = GetControlHandle(Editing().MainWindow, CanvasControlId);
        ASSERT_NE(canvas, 0u);
        loaded = shared.loaded;
        presentationsPerRefresh = shared.presentationsPerRefresh;
        ASSERT_GT(presentationsPerRefresh, 0);
        Presentations() = 0;
    }

  private:
    static void Build(int width, int height) {
        SharedEditor& shared = Shared();
        if (shared.open) EndModal(shared.asBuilt.MainWindow, 0);
        shared = SharedEditor{};
        SetSurfacePresenter(nullptr);
        ResetSurfacesForTests();
        ResetEditingState();

        EditingState& state = Editing();
        for (int j = 0; j < height; ++j)
            for (int i = 0; i < width; ++i)
                shared.loaded.push_back(LoadedColour(i, j));
        state.ImageWidth = width;
        state.ImageHeight = height;
        state.ImageBitmap = NewBitmapSurfaceFrom(width, height, shared.loaded.data());
        state.MainWindow = NewDialog(UNITS_PIXELS, 0, "lienzo", 200, 100, VIEW_WIDTH, VIEW_HEIGHT,
                                     0x94CE08D4, WS_EX_CONTROLPARENT);
        state.MouseMode = MovePaper;
        InitialiseMainWindow();
        state.BlockWidth = 3;
        state.BlockHeight = 3;

        // What one refresh shows of the canvas, to count refreshes by.
        SetSurfacePresenter(CountPresentation);
        Presentations() = 0;
        RefreshCanvas();
        shared.presentationsPerRefresh = Presentations();

        shared.asBuilt = state;
        shared.width = width;
        shared.height = height;
        shared.open = true;
    }

    // Every variable back to its value after initialisation, and every pixel
    // that differs from the image as loaded painted back, in the image and on
    // the paper; then the canvas shows the first view again.
    static void Restore() {
        SharedEditor& shared = Shared();
        Editing() = shared.asBuilt;
        int imageWidth = 0, imageHeight = 0, paperWidth = 0, paperHeight = 0;
        const Colour* image = SurfacePixels(Editing().ImageBitmap, &imageWidth, &imageHeight);
        const Colour* paper = SurfacePixels(Editing().ZoomBitmap, &paperWidth, &paperHeight);
        ASSERT_TRUE(image && paper && imageWidth == shared.width && paperWidth == ZOOM_SIZE);
        for (int j = 0; j < shared.height; ++j) {
            for (int i = 0; i < shared.width; ++i) {
                const std::size_t at = std::size_t(j) * std::size_t(shared.width) + std::size_t(i);
                const std::size_t centre = std::size_t(CELL_SIZE * j + 5) * std::size_t(ZOOM_SIZE) +
                                           std::size_t(CELL_SIZE * i + 5);
                const Colour want = shared.loaded[at];
                if (image[at] != want || paper[centre] != want) PaintCell(i, j, want);
            }
        }
        SetSurfacePresenter(CountPresentation);
        RefreshCanvas();
    }

  protected:
    LResult Send(MessageId message, WParam wParam, LParam lParam) {
        return CanvasProc(canvas, message, wParam, lParam);
    }
    void Key(WParam virtualKey) { Send(WM_KEYDOWN, virtualKey, 1); }
    void Wheel(int delta) { Send(WM_MOUSEWHEEL, MakeWParam(0, delta), MakeLParam(300, 300)); }
    void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, y)); }
    void MoveHeld(int x, int y) { Send(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(x, y)); }
    void MoveFree(int x, int y) { Send(WM_MOUSEMOVE, 0, MakeLParam(x, y)); }
    void Release(int x, int y) { Send(WM_LBUTTONUP, 0, MakeLParam(x, y)); }

    // Refreshes since the last call.
    int Refreshes() {
        EXPECT_EQ(Presentations() % presentationsPerRefresh, 0) << "a partial refresh";
        const int count = Presentations() / presentationsPerRefresh;
        Presentations() = 0;
        return count;
    }

    DragItem& Paper() { return Editing().DragItems.at(PAPER_ITEM); }
    std::pair<int, int> Offset() { return {Paper().X, Paper().Y}; }
    void SetOffset(int x, int y) {
        Paper().X = x;
        Paper().Y = y;
    }
    // Places the paper so that pixel (i, j)'s cell lies at canvas (100, 100)
    // to (110, 110); its centre is then at (105, 105).
    void ShowPixelAt100(int i, int j) { SetOffset(100 - CELL_SIZE * i, 100 - CELL_SIZE * j); }
    void Mode(std::int32_t mode) { Editing().MouseMode = mode; }

    static Colour PixelOf(Handle surface, int x, int y) {
        int width = 0, height = 0;
        const Colour* pixels = SurfacePixels(surface, &width, &height);
        if (pixels == nullptr || x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
    Colour ImagePixel(int i, int j) { return PixelOf(Editing().ImageBitmap, i, j); }
    // The 9 x 9 interior of pixel (i, j)'s cell on the paper, by its centre.
    Colour PaperCell(int i, int j) {
        return PixelOf(Editing().ZoomBitmap, CELL_SIZE * i + 5, CELL_SIZE * j + 5);
    }
    Colour CanvasPixel(int x, int y) { return PixelOf(canvas, x, y); }

    // The image as loaded with some pixels changed; checks every pixel of the
    // image and every cell's interior on the paper against it.
    void ExpectPicture(const std::vector<Colour>& expected) {
        const EditingState& state = Editing();
        int mismatches = 0;
        for (int j = 0; j < state.ImageHeight; ++j) {
            for (int i = 0; i < state.ImageWidth; ++i) {
                const Colour want = expected[std::size_t(j) * state.ImageWidth + i];
                if (ImagePixel(i, j) != want || PaperCell(i, j) != want) {
                    if (++mismatches <= 5) {
                        ADD_FAILURE() << "pixel (" << i << ", " << j << "): image " << std::hex
                                      << ImagePixel(i, j) << ", paper " << PaperCell(i, j)
                                      << ", expected " << want;
                    }
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
    std::vector<Colour> With(std::vector<std::pair<int, int>> pixels, Colour colour) {
        std::vector<Colour> picture = loaded;
        for (auto [i, j] : pixels)
            picture[std::size_t(j) * Editing().ImageWidth + i] = colour;
        return picture;
    }

    Handle canvas = 0;
    std::vector<Colour> loaded;
    int presentationsPerRefresh = 0;
};
