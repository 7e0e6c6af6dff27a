#pragma once
// Dialog units measured in fixed base units, those of "MS Sans Serif"
// 8 points at 96 dots per inch, so a layout is the same on every machine:
// a horizontal unit is a quarter of 6 pixels, a vertical one an eighth of 13.

#include <cstdint>

constexpr int BASE_UNIT_X = 6;
constexpr int BASE_UNIT_Y = 13;

// a * b / c rounded half away from zero, without overflow.
constexpr int ScaleRounded(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
    return int(negative ? -magnitude : magnitude);
}

constexpr int DialogUnitsToPixelsX(int x) { return ScaleRounded(x, BASE_UNIT_X, 4); }
constexpr int DialogUnitsToPixelsY(int y) { return ScaleRounded(y, BASE_UNIT_Y, 8); }

// Points to a character height in pixels at 96 dots per inch.
constexpr int PointsToPixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }
