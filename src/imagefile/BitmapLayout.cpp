#include "imagefile/BitmapLayout.h"

#include "imagefile/BitmapLimits.h"
#include "imagefile/BitmapReasons.h"
#include "imagefile/ByteReader.h"
#include "imagefile/SizeProbe.h"

#include <algorithm>

namespace {

// The header fields as stored; the core header's are widened.
struct StoredHeader {
    std::uint32_t dataOffset = 0;
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = COMPRESSION_NONE;
    std::uint32_t coloursUsed = 0; // 0: as many as the bit count allows
};

using Layout = std::optional<BitmapLayout>;

// Red, green and blue of the pixels without bit fields: 5 bits each at 16 bits
// (the top bit unused), a byte each at 32 bits (the top byte unused).
constexpr std::array<std::uint32_t, 3> PLAIN_16_BIT_MASKS = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> PLAIN_32_BIT_MASKS = {0xFF0000, 0x00FF00, 0x0000FF};

bool KnownHeaderSize(std::uint32_t size) {
    return size == CORE_HEADER_BYTES || size == INFO_HEADER_BYTES || size == OS2_HEADER_BYTES ||
           size == V4_HEADER_BYTES || size == V5_HEADER_BYTES;
}

bool KnownBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Reads the fields of both headers. The caller has checked that they fit.
bool ReadFields(ByteReader& in, StoredHeader& h) {
    if (h.headerSize == CORE_HEADER_BYTES) {
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        if (!in.ReadU16(width) || !in.ReadU16(height)) return false;
        h.width = width;
        h.height = height;
        return in.ReadU16(h.planes) && in.ReadU16(h.bitsPerPixel);
    }
    constexpr std::uint64_t IMAGE_SIZE_AND_RESOLUTION_BYTES = 12;
    return in.ReadI32(h.width) && in.ReadI32(h.height) && in.ReadU16(h.planes) &&
           in.ReadU16(h.bitsPerPixel) && in.ReadU32(h.compression) &&
           in.Skip(IMAGE_SIZE_AND_RESOLUTION_BYTES) && in.ReadU32(h.coloursUsed);
}

std::optional<PixelCoding> CodingOf(const StoredHeader& h) {
    const std::uint16_t bits = h.bitsPerPixel;
    switch (h.compression) {
    case COMPRESSION_NONE:
        return PixelCoding::Rows;
    case COMPRESSION_RLE8:
        if (bits == 8) return PixelCoding::RunLength8;
        break;
    case COMPRESSION_RLE4:
        if (bits == 4) return PixelCoding::RunLength4;
        break;
    case COMPRESSION_BIT_FIELDS:
        if (bits == 16 || bits == 32) return PixelCoding::Rows;
        break;
    }
    return std::nullopt;
}

// The colour table's entries as the header counts them (1 to 8 bits only).
std::uint64_t PaletteEntries(const StoredHeader& h) {
    return h.coloursUsed != 0 ? h.coloursUsed : std::uint64_t(1) << h.bitsPerPixel;
}

std::uint64_t PaletteEntryBytes(const StoredHeader& h) {
    return h.headerSize == CORE_HEADER_BYTES ? CORE_PALETTE_ENTRY_BYTES : PALETTE_ENTRY_BYTES;
}

// Bit-field masks come inside a header from the V4 one on, else right after it.
std::uint64_t MasksStart(const StoredHeader& h) {
    return FILE_HEADER_BYTES + (h.headerSize < V4_HEADER_BYTES ? h.headerSize : INFO_HEADER_BYTES);
}

// Where the colour table and the masks end: the pixels are taken from there
// when the data offset points any earlier.
std::uint64_t TablesEnd(const StoredHeader& h) {
    std::uint64_t end = FILE_HEADER_BYTES + h.headerSize;
    if (h.compression == COMPRESSION_BIT_FIELDS && h.headerSize < V4_HEADER_BYTES) {
        end += BIT_FIELD_MASKS_BYTES;
    }
    if (h.bitsPerPixel <= 8) end += PaletteEntries(h) * PaletteEntryBytes(h);
    return end;
}

// The red, green and blue masks of a 16- or 32-bit image: the file's own with
// bit-field compression, else the plain ones. Fails when they are not there.
bool ReadMasks(std::span<const std::uint8_t> file, const StoredHeader& h,
               std::array<std::uint32_t, 3>& masks) {
    if (h.compression != COMPRESSION_BIT_FIELDS) {
        masks = h.bitsPerPixel == 16 ? PLAIN_16_BIT_MASKS : PLAIN_32_BIT_MASKS;
        return true;
    }
    ByteReader in(file);
    return in.Seek(MasksStart(h)) && in.ReadU32(masks[0]) && in.ReadU32(masks[1]) &&
           in.ReadU32(masks[2]);
}

} // namespace

std::optional<BitmapLayout> ReadBitmapLayout(std::span<const std::uint8_t> file,
                                             std::string* reason) {
    ByteReader in(file);
    std::uint8_t b = 0;
    std::uint8_t m = 0;
    if (!in.ReadU8(b) || !in.ReadU8(m) || b != 'B' || m != 'M') {
        return Refuse<Layout>(reason, REASON_NOT_A_BITMAP);
    }
    StoredHeader h;
    constexpr std::uint64_t FILE_SIZE_AND_RESERVED_BYTES = 8;
    if (!in.Skip(FILE_SIZE_AND_RESERVED_BYTES) || !in.ReadU32(h.dataOffset) ||
        !in.ReadU32(h.headerSize)) {
        return Refuse<Layout>(reason, REASON_HEADER_CUT_SHORT);
    }
    if (!KnownHeaderSize(h.headerSize)) return Refuse<Layout>(reason, REASON_UNKNOWN_HEADER);
    if (FILE_HEADER_BYTES + h.headerSize > in.Size() || !ReadFields(in, h)) {
        return Refuse<Layout>(reason, REASON_HEADER_CUT_SHORT);
    }

    const ProbeResult size = AdmitImageSize(h.width, h.height);
    if (size.admission == Admission::TooLarge) return Refuse<Layout>(reason, REASON_TOO_LARGE);
    if (size.admission != Admission::Admitted) return Refuse<Layout>(reason, REASON_BAD_SIZE);
    if (h.planes != 1) return Refuse<Layout>(reason, REASON_BAD_PLANES);
    if (!KnownBitCount(h.bitsPerPixel)) return Refuse<Layout>(reason, REASON_BAD_BIT_COUNT);
    const std::optional<PixelCoding> coding = CodingOf(h);
    if (!coding) return Refuse<Layout>(reason, REASON_BAD_COMPRESSION);
    const bool topDown = h.height < 0;
    if (topDown && *coding != PixelCoding::Rows) {
        return Refuse<Layout>(reason, REASON_TOP_DOWN_RUN_LENGTH);
    }
    if (h.bitsPerPixel <= 8 && h.coloursUsed > MAX_PALETTE_ENTRIES) {
        return Refuse<Layout>(reason, REASON_PALETTE_TOO_LARGE);
    }
    const std::uint64_t tablesEnd = TablesEnd(h);
    if (tablesEnd > in.Size()) return Refuse<Layout>(reason, REASON_TABLES_PAST_END);
    if (h.dataOffset > in.Size()) return Refuse<Layout>(reason, REASON_DATA_OFFSET_PAST_END);
    if (h.dataOffset < tablesEnd) return Refuse<Layout>(reason, REASON_DATA_OFFSET_INSIDE_TABLES);

    BitmapLayout layout;
    layout.width = size.width;
    layout.rows = size.height;
    layout.topDown = topDown;
    layout.bitsPerPixel = h.bitsPerPixel;
    layout.coding = *coding;
    layout.pixelStart = h.dataOffset;
    if (h.bitsPerPixel <= 8) {
        layout.paletteStart = FILE_HEADER_BYTES + h.headerSize;
        layout.paletteEntries =
            std::uint32_t(std::min(PaletteEntries(h), std::uint64_t(1) << h.bitsPerPixel));
        layout.paletteEntryBytes = std::uint32_t(PaletteEntryBytes(h));
    }
    const bool masked = h.bitsPerPixel == 16 || h.bitsPerPixel == 32;
    if (masked && !ReadMasks(file, h, layout.masks)) {
        return Refuse<Layout>(reason, REASON_TABLES_PAST_END);
    }
    return layout;
}
