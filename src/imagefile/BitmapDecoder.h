#pragma once
// Decoding a bitmap file's pixels once its layout has been read and checked
// (BitmapLayout.h). Colours come out as 0x00BBGGRR, opaque: alpha in the file,
// through a mask or a 32-bit pixel's unused byte, is ignored.
//
// - 1, 4 and 8 bits, rows or run-length codes: each pixel the colour of its
//   palette entry; an index beyond the colour table gives
//   OUT_OF_PALETTE_COLOUR, and a pixel that run-length codes leave out on
//   purpose (a jump, an early end of a row or of the image) takes palette
//   entry 0.
// - 24 bits: blue, green, red.
// - 16 and 32 bits: each channel through its mask, widened to 8 bits as
//   BitFields.h says.

#include "imagefile/BitmapLayout.h"
#include "imagefile/DecodedImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The colour of a palette index that lies beyond the file's colour table.
constexpr Colour OUT_OF_PALETTE_COLOUR = Rgb(0, 0, 0);

// Checks that `file` holds all the pixel data `layout` promises
// (PixelDataCheck.h), then decodes it at the layout's size. Gives nothing, and
// says why in `reason` when it is not null, when the data is not whole.
std::optional<DecodedImage> DecodeBitmapPixels(std::span<const std::uint8_t> file,
                                               const BitmapLayout& layout, std::string* reason);
