#include "imagefile/BitmapDecoder.h"

#include "imagefile/BitFields.h"
#include "imagefile/ByteReader.h"
#include "imagefile/PixelDataCheck.h"
#include "imagefile/RunLengthCodes.h"

#include <array>

namespace {

// Every index a byte can hold, those beyond the colour table already the
// colour they give.
using Palette = std::array<Colour, 256>;

Palette PaletteOf(std::span<const std::uint8_t> file, const BitmapLayout& layout) {
    Palette palette;
    palette.fill(OUT_OF_PALETTE_COLOUR);
    ByteReader in(file);
    if (!in.Seek(layout.paletteStart)) return palette;
    for (std::uint32_t i = 0; i < layout.paletteEntries; ++i) {
        std::uint8_t blue = 0, green = 0, red = 0;
        if (!in.ReadU8(blue) || !in.ReadU8(green) || !in.ReadU8(red) ||
            !in.Skip(layout.paletteEntryBytes - 3)) {
            break;
        }
        palette[i] = Rgb(red, green, blue);
    }
    return palette;
}

// Pixel x's index in a row of 1, 4 or 8 bits a pixel: the leftmost pixel of a
// byte sits in its highest bits.
unsigned IndexAt(const std::uint8_t* row, int x, int bits) {
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

std::uint32_t WordAt(const std::uint8_t* at, int bytes) {
    std::uint32_t word = 0;
    for (int i = 0; i < bytes; ++i)
        word |= std::uint32_t(at[i]) << (8 * i);
    return word;
}

// One uncompressed row of the file into one row of the image.
void DecodeRow(const std::uint8_t* row, Colour* out, const BitmapLayout& layout,
               const Palette& palette, const BitFields& fields) {
    const int bits = layout.bitsPerPixel;
    const int bytes = bits / 8;
    switch (bits) {
    case 24:
        for (int x = 0; x < layout.width; ++x, row += 3)
            out[x] = Rgb(row[2], row[1], row[0]);
        break;
    case 16:
    case 32:
        for (int x = 0; x < layout.width; ++x, row += bytes)
            out[x] = fields.ColourOf(WordAt(row, bytes));
        break;
    default:
        for (int x = 0; x < layout.width; ++x)
            out[x] = palette[IndexAt(row, x, bits)];
    }
}

// Rows come bottom-up unless the layout says top-down.
void DecodeRows(std::span<const std::uint8_t> data, const BitmapLayout& layout,
                const Palette& palette, DecodedImage& image) {
    const BitFields fields(layout.masks, layout.bitsPerPixel);
    const std::size_t stride = std::size_t(RowStride(layout.width, layout.bitsPerPixel));
    for (int r = 0; r < layout.rows; ++r) {
        const int y = layout.topDown ? r : layout.rows - 1 - r;
        DecodeRow(data.data() + std::size_t(r) * stride,
                  image.pixels.data() + std::size_t(y) * std::size_t(layout.width), layout, palette,
                  fields);
    }
}

// Run-length codes write indices, bottom row first, over a field of index 0.
void DecodeRunLength(std::span<const std::uint8_t> data, const BitmapLayout& layout,
                     const Palette& palette, DecodedImage& image) {
    const std::size_t width = std::size_t(layout.width);
    std::vector<std::uint8_t> indices(image.pixels.size(), 0);
    const int bits = layout.coding == PixelCoding::RunLength8 ? 8 : 4;
    // Whole and inside the image: CheckPixelData walked the same codes.
    ReadRunLengthCodes(data, layout.width, layout.rows, bits, indices, nullptr);
    for (std::size_t r = 0; r < std::size_t(layout.rows); ++r) {
        const std::size_t y = std::size_t(layout.rows) - 1 - r;
        for (std::size_t x = 0; x < width; ++x)
            image.pixels[y * width + x] = palette[indices[r * width + x]];
    }
}

} // namespace

std::optional<DecodedImage> DecodeBitmapPixels(std::span<const std::uint8_t> file,
                                               const BitmapLayout& layout, std::string* reason) {
    if (!CheckPixelData(file, layout, reason)) return std::nullopt;
    DecodedImage image;
    image.width = layout.width;
    image.height = layout.rows;
    image.pixels.resize(std::size_t(layout.width) * std::size_t(layout.rows));
    const Palette palette = PaletteOf(file, layout);
    const std::span<const std::uint8_t> data = file.subspan(std::size_t(layout.pixelStart));
    if (layout.coding == PixelCoding::Rows) {
        DecodeRows(data, layout, palette, image);
    } else {
        DecodeRunLength(data, layout, palette, image);
    }
    return image;
}
