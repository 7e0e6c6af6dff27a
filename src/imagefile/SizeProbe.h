#pragma once
// The size probe and the admission rule: before an image is loaded, its width
// and height are read from the bitmap header and the image is admitted only
// when both sides are between 1 and 500 pixels.

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::int32_t MAX_IMAGE_SIDE = 500;

enum class Admission {
    Admitted,   // width and height are the image's size, both 1..500
    TooLarge,   // a side above 500: the "no puede ser mayor" refusal
    Unreadable, // missing, unreadable, cut short or an impossible size
};

struct ProbeResult {
    Admission admission = Admission::Unreadable;
    std::int32_t width = 0;  // the image's size when admitted (a top-down image's
    std::int32_t height = 0; // absolute height); 0 x 0 when refused
};

// Opens the file read-only (never creating it), reads the header fields and
// applies the admission rule. Reads only the header's size fields.
ProbeResult ProbeImageFile(const std::string& utf8Path);

// The same rule on the first bytes of a file already in memory.
ProbeResult ProbeImageHeader(const std::uint8_t* bytes, std::size_t length);

// The admission rule on a width and height as read from a header, in this
// order: a side above 500 is too large, a negative height (a top-down image)
// counting by its absolute value; then a width below 1 or a height of 0 is
// refused as unreadable.
ProbeResult AdmitImageSize(std::int32_t width, std::int32_t height);
