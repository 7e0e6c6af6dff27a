#pragma once
// An image as loaded from a file: plain pixels the rest of the program works on.

#include "ui/Types.h"

#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels; // width x height, row-major, top row first
};
