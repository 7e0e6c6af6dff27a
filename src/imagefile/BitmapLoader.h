#pragma once
// Loading a bitmap file's pixels: the file is read once into memory, its
// headers and pixel data are checked (BitmapLayout.h, PixelDataCheck.h), and
// only then decoded (BitmapDecoder.h). Any failure gives nothing and a reason;
// nothing is ever partly loaded.

#include "imagefile/DecodedImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Loads the file at its natural size. Refuses, among others: a missing or
// unreadable file, a side outside 1..500 pixels, a header, colour table or
// pixel data cut short. Pixels that run-length data leaves out on purpose take
// the colour of palette entry 0.
std::optional<DecodedImage> ReadBitmapImage(const std::string& utf8Path, std::string* reason);

// The same on a whole file already in memory.
std::optional<DecodedImage> ReadBitmapBytes(std::span<const std::uint8_t> file,
                                            std::string* reason);
