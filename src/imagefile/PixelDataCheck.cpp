#include "imagefile/PixelDataCheck.h"

#include "imagefile/BitmapReasons.h"
#include "imagefile/RunLengthCodes.h"

std::uint64_t RowStride(std::int32_t width, std::uint16_t bitsPerPixel) {
    const std::uint64_t bits = std::uint64_t(width) * bitsPerPixel;
    return (bits + 31) / 32 * 4;
}

bool CheckPixelData(std::span<const std::uint8_t> file, const BitmapLayout& layout,
                    std::string* reason) {
    if (layout.pixelStart > file.size()) return Refuse(reason, REASON_DATA_OFFSET_PAST_END);
    const std::span<const std::uint8_t> data = file.subspan(std::size_t(layout.pixelStart));
    if (layout.coding != PixelCoding::Rows) {
        const int bits = layout.coding == PixelCoding::RunLength8 ? 8 : 4;
        return ReadRunLengthCodes(data, layout.width, layout.rows, bits, {}, reason);
    }
    const std::uint64_t needed =
        RowStride(layout.width, layout.bitsPerPixel) * std::uint64_t(layout.rows);
    return data.size() >= needed || Refuse(reason, REASON_ROWS_CUT_SHORT);
}
