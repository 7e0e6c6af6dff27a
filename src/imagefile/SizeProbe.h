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
    std::int32_t width = 0;  // as probed; for a top-down image, the absolute height
    std::int32_t height = 0;
};

// Opens the file read-only (never creating it), reads the header fields and
// applies the admission rule.
ProbeResult ProbeImageFile(const std::string& utf8Path);

// The same rule on the first bytes of a file already in memory.
ProbeResult ProbeImageHeader(const std::uint8_t* bytes, std::size_t length);

// The admission rule on a width and height as read from a header. A negative
// height (a top-down image) counts as its absolute value.
ProbeResult AdmitImageSize(std::int32_t width, std::int32_t height);
