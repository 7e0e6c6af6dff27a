#pragma once
// Loading the chosen image into an off-screen drawing surface.

#include "ui/Types.h"

#include <cstdint>
#include <string>

// Loads the file into a new off-screen bitmap surface of width x height
// (0 for either: the image's natural size), stretched when that differs from
// the natural size. Returns its handle, or 0 when the file cannot be loaded.
// The current drawing target is not changed. The stretch mode is accepted
// for its callers' sake; the stretch is always nearest-neighbour.
Handle LoadBitmapFile(const std::string& utf8FileName, std::int32_t width, std::int32_t height,
                      std::int32_t stretchMode);
