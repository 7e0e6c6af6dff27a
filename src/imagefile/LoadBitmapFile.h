#pragma once
// Loading the chosen image into an off-screen drawing surface.

#include "ui/Types.h"

#include <cstdint>
#include <string>

// Loads the file into a new off-screen bitmap surface and returns its handle,
// or 0 when the file cannot be loaded or its image is not width x height (the
// size its header gave the probe: the file changed in between). The current
// drawing target is not changed.
Handle LoadBitmapFile(const std::string& utf8FileName, std::int32_t width, std::int32_t height);
