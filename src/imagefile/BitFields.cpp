#include "imagefile/BitFields.h"

#include <bit>

BitFields::BitFields(const std::array<std::uint32_t, 3>& masks, int bitsPerPixel) {
    const std::uint32_t pixelBits = bitsPerPixel >= 32 ? ~0u : (1u << bitsPerPixel) - 1;
    for (std::size_t c = 0; c < masks.size(); ++c)
        m_channels[c] = ChannelOf(masks[c] & pixelBits);
}

BitFields::Channel BitFields::ChannelOf(std::uint32_t mask) {
    Channel channel;
    channel.mask = mask;
    if (mask == 0) return channel; // no copies: always 0
    channel.shift = std::countr_zero(mask);
    channel.gapless = std::has_single_bit((std::uint64_t(mask) >> channel.shift) + 1);
    const int width = std::popcount(mask);
    int bits = 0;
    for (; bits < 8; bits += width)
        channel.copies = (channel.copies << width) | 1;
    channel.drop = bits - 8;
    return channel;
}

std::uint32_t BitFields::Channel::Closed(std::uint32_t pixel) const {
    std::uint32_t value = 0;
    int at = 0;
    for (std::uint32_t rest = mask; rest != 0; rest &= rest - 1, ++at) {
        if (pixel & rest & (~rest + 1)) value |= 1u << at; // the lowest bit still in the mask
    }
    return value;
}
