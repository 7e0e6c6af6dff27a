#pragma once
// Decoding a bitmap file's bytes with the platform's image reader, into plain
// pixels the rest of the program works on. This header does not depend on Qt.
//
// The reader is trusted to decode, not to validate: it accepts files whose
// pixel data is cut short and leaves what it could not read undefined. Call it
// through ReadBitmapImage (src/imagefile/BitmapLoader.h), which checks the file
// first, rather than on raw bytes.

#include "ui/Types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels; // width x height, row-major, top row first
};

// The colour of a palette index that lies beyond the file's colour table.
constexpr Colour OUT_OF_PALETTE_COLOUR = Rgb(0, 0, 0);

// Decodes the bytes of a whole bitmap file. Colours come out as 0x00BBGGRR
// with any alpha ignored. In a palette image, pixels that the file leaves out
// on purpose (the skip and early-end codes of run-length data) take the colour
// of palette entry 0, the same on every run. Gives nothing, and says why in
// `reason` when it is not null, when the reader cannot decode the bytes.
std::optional<DecodedImage> DecodeBitmapBytes(std::span<const std::uint8_t> bytes,
                                              std::string* reason);
