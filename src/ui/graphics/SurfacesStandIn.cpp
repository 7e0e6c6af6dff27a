// TEMPORARY stand-in until the drawing surfaces land.
#include "ui/graphics/Surfaces.h"
#include <map>
#include <vector>
namespace {
std::map<Handle, std::vector<Colour>> buffers;
std::map<Handle, std::pair<int, int>> sizes;
Handle current = 0;
}
bool RegisterControlSurface(Handle control, int width, int height) {
    buffers[control].assign(std::size_t(width) * std::size_t(height), 0xF0F0F0);
    sizes[control] = {width, height};
    return true;
}
const Colour* SurfacePixels(Handle surface, int* width, int* height) {
    auto it = buffers.find(surface);
    if (it == buffers.end()) return nullptr;
    *width = sizes[surface].first;
    *height = sizes[surface].second;
    return it->second.data();
}
void SetControlFinder(ControlFinder) {}
void SetSurfacePresenter(SurfacePresenter) {}
Handle CurrentSurface() { return current; }
void AttachSurface(Handle, int, bool) {}
