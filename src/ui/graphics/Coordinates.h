#pragma once
// Coordinates reach the drawing operations as floating-point values. They are
// rounded to whole pixels (halves away from zero) and pinned to a range far
// outside any surface, so that sums of a coordinate and a size never overflow.

#include <cmath>

namespace graphics {

constexpr int COORDINATE_LIMIT = 1 << 30;

inline int PixelCoordinate(double value) {
    if (std::isnan(value)) return 0;
    if (value <= -COORDINATE_LIMIT) return -COORDINATE_LIMIT;
    if (value >= COORDINATE_LIMIT) return COORDINATE_LIMIT;
    return int(value < 0 ? value - 0.5 : value + 0.5);
}

} // namespace graphics
