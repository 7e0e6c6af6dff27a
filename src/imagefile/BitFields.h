#pragma once
// The colours of 16- and 32-bit pixels, each channel picked out by its mask
// and widened to 8 bits.
//
// Widening repeats the channel's bits until there are eight: 5-bit 10110
// gives 10110101, 1-bit 1 gives 11111111, and a channel wider than 8 bits
// keeps its top eight. So at any width a channel's full value gives 255 and
// zero gives 0: the 5-5-5 magenta 0x7C1F is the key colour 255, 0, 255, and
// 0x7FFF is white, which a plain shift (248, 0, 248) would lose on saving.
// 8-bit channels are taken as they are.
//
// A mask covers the channel's bits; those beyond the pixel's own bits are
// dropped. Should a mask have gaps (the format wants none), its bits are read
// in order as one value with the gaps closed, so full still gives 255.

#include "ui/Types.h"

#include <array>
#include <cstdint>

class BitFields {
  public:
    // Red, green and blue masks of pixels of `bitsPerPixel` (16 or 32) bits.
    BitFields(const std::array<std::uint32_t, 3>& masks, int bitsPerPixel);

    // The opaque colour of one pixel, read as a little-endian word.
    Colour ColourOf(std::uint32_t pixel) const {
        return Rgb(m_channels[0].Of(pixel), m_channels[1].Of(pixel), m_channels[2].Of(pixel));
    }

  private:
    struct Channel {
        std::uint32_t mask = 0;
        int shift = 0;            // of the mask's lowest bit
        bool gapless = true;      // the mask's bits are side by side
        std::uint64_t copies = 0; // 1 + 2^w + 2^2w ...: w-bit copies side by side
        int drop = 0;             // the low bits past the eighth of those copies

        std::uint8_t Of(std::uint32_t pixel) const {
            const std::uint32_t value = gapless ? (pixel & mask) >> shift : Closed(pixel);
            return std::uint8_t((value * copies) >> drop);
        }
        std::uint32_t Closed(std::uint32_t pixel) const;
    };
    static Channel ChannelOf(std::uint32_t mask);

    std::array<Channel, 3> m_channels;
};
