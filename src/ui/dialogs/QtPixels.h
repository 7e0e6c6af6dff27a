#pragma once
// Surface pixels in Qt's layout for the screen. Internal to src/ui.

#include "ui/Types.h"

#include <cstdint>

// 0x00BBGGRR colours as opaque 0xFFRRGGBB values (QImage::Format_RGB32), the
// layout Qt copies to the screen without converting.
void ConvertToQtPixels(const Colour* from, std::uint32_t* to, int count);
