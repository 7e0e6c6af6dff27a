#include "canvas/CanvasKeys.h"

#include "canvas/EditingState.h"
#include "canvas/PaperDrag.h"
#include "canvas/Rendering.h"
#include "ui/Messages.h"

#include <array>

namespace {

constexpr int ARROW_STEP = CELL_SIZE; // one pixel square
constexpr int PAGE_STEP = 100;
constexpr int WHEEL_STEP = 15;

// The offset at which the last column (or row) of the image lies at the
// canvas's left (or top) edge: a key moves the paper further left or up only
// while the offset is above it.
std::int32_t LastCellAtEdge(std::int32_t cells) {
    return CELL_SIZE - CELL_SIZE * cells;
}

enum class Axis { Horizontal, Vertical };

// Which way a key pushes the paper, and so which limit it respects: towards
// the image's far side (offset above LastCellAtEdge) or back towards its
// origin (offset below 0). The limit is tested before the step and the step
// is not clamped, so the offset may pass the limit by less than one step.
enum class Towards { FarSide, Origin };

struct KeyMove {
    WParam key;
    Axis axis;
    Towards towards;
    int step;
};

constexpr std::array<KeyMove, 6> KEY_MOVES{{
    {VK_RIGHT, Axis::Horizontal, Towards::FarSide, -ARROW_STEP},
    {VK_LEFT, Axis::Horizontal, Towards::Origin, ARROW_STEP},
    {VK_DOWN, Axis::Vertical, Towards::FarSide, -ARROW_STEP},
    {VK_UP, Axis::Vertical, Towards::Origin, ARROW_STEP},
    {VK_NEXT, Axis::Vertical, Towards::FarSide, -PAGE_STEP},
    {VK_PRIOR, Axis::Vertical, Towards::Origin, PAGE_STEP},
}};

bool MayMove(std::int32_t offset, std::int32_t cells, Towards towards) {
    return towards == Towards::FarSide ? offset > LastCellAtEdge(cells) : offset < 0;
}

// Applies one key of the table; true when the paper moved.
bool StepByTable(DragItem& paper, WParam key) {
    const EditingState& state = Editing();
    for (const KeyMove& move : KEY_MOVES) {
        if (move.key != key) continue;
        const bool vertical = move.axis == Axis::Vertical;
        std::int32_t& offset = vertical ? paper.Y : paper.X;
        const std::int32_t cells = vertical ? state.ImageHeight : state.ImageWidth;
        if (!MayMove(offset, cells, move.towards)) return false;
        offset += move.step;
        return true;
    }
    return false;
}

} // namespace

void MovePaperByKey(WParam virtualKey) {
    DragItem* paper = PaperItem();
    if (paper == nullptr) return;
    if (virtualKey == VK_END) {
        paper->Y = LastCellAtEdge(Editing().ImageHeight);
    } else if (virtualKey == VK_HOME) {
        paper->X = 0;
        paper->Y = 0;
    } else if (!StepByTable(*paper, virtualKey)) {
        return;
    }
    RefreshCanvas();
}

void MovePaperByWheel(int wheelDelta) {
    DragItem* paper = PaperItem();
    if (paper == nullptr) return;
    const int step = wheelDelta < 0 ? -WHEEL_STEP : WHEEL_STEP;
    if (step < 0 && MayMove(paper->Y, Editing().ImageHeight, Towards::FarSide)) {
        paper->Y += step;
    } else if (step > 0 && MayMove(paper->Y, Editing().ImageHeight, Towards::Origin)) {
        paper->Y += step;
    }
    // Refreshed whether the paper moved or not.
    RefreshCanvas();
}
