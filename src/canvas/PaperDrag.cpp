#include "canvas/PaperDrag.h"

#include "canvas/Rendering.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"

#include <cstdint>
#include <limits>

namespace {

// Only items 0 and 1 take part in the hit test; item 0, all zero, stands for
// none and is never dragged.
constexpr int HIT_TESTED_ITEMS = 2;

DragItem* ItemAt(int index) {
    std::vector<DragItem>& items = Editing().DragItems;
    if (index < 0 || std::size_t(index) >= items.size()) return nullptr;
    return &items[std::size_t(index)];
}

// In 64 bits: an item may have been dragged to the far ends of the 32-bit range.
bool Hits(const DragItem& item, int x, int y) {
    const std::int64_t left = item.X, top = item.Y;
    return left <= x && x <= left + item.Width && top <= y && y <= top + item.Height;
}

// A drag has no limit, but an offset stops at the ends of its range instead of
// wrapping round to the other side.
std::int32_t MovedBy(std::int32_t position, std::int64_t distance) {
    const std::int64_t moved = std::int64_t(position) + distance;
    if (moved > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (moved < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return std::int32_t(moved);
}

} // namespace

DragItem* PaperItem() {
    return ItemAt(PAPER_ITEM);
}

DragItem* ActiveDragItem() {
    return ItemAt(Editing().ActiveItem);
}

void StartPaperDrag(int x, int y) {
    EditingState& state = Editing();
    for (int k = 0; k < HIT_TESTED_ITEMS; ++k) {
        const DragItem* item = ItemAt(k);
        if (item != nullptr && Hits(*item, x, y)) state.ActiveItem = std::int16_t(k);
    }
    DragItem* active = ActiveDragItem();
    if (state.ActiveItem <= 0 || active == nullptr || active->Dragging != 0) return;
    active->Dragging = 1;
    SetMousePointer(POINTER_CROSS);
    state.LastMouseX = x;
    state.LastMouseY = y;
}

void FollowPaperDrag(int x, int y) {
    EditingState& state = Editing();
    DragItem* active = ActiveDragItem();
    if (active == nullptr || active->Dragging == 0) return;
    // Set on every step: the window system may have changed the pointer since.
    SetMousePointer(POINTER_CROSS);
    active->X = MovedBy(active->X, std::int64_t(x) - state.LastMouseX);
    active->Y = MovedBy(active->Y, std::int64_t(y) - state.LastMouseY);
    state.LastMouseX = x;
    state.LastMouseY = y;
    RefreshCanvas();
}

void EndPaperDrag(int item) {
    if (DragItem* ended = ItemAt(item)) ended->Dragging = 0;
    Editing().ActiveItem = 0;
    SetMousePointer(POINTER_ARROW);
}
