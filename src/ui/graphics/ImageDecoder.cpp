#include "ui/graphics/ImageDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstdlib>

namespace {

// Well above the largest image the program admits (500 x 500 x 4 bytes), and
// far below what a hostile header could ask of the reader.
constexpr int DECODE_ALLOCATION_LIMIT_MB = 16;
constexpr qint64 DECODE_ALLOCATION_LIMIT_BYTES = qint64(DECODE_ALLOCATION_LIMIT_MB) << 20;

void SetReason(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
}

// The reader writes only the pixels that run-length data names and leaves the
// rest of its buffer as the memory allocator gave it. Given an image of the
// size and format it is about to make, it decodes into that one instead, so
// filling it with index 0 beforehand gives the left-out pixels a defined colour.
QImage PreparedImage(QImageReader& reader) {
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    const qint64 width = size.width();
    const qint64 rows = std::llabs(qint64(size.height())); // top-down files report it negative
    if (format == QImage::Format_Invalid || width < 1 || rows < 1 ||
        width * rows * 4 > DECODE_ALLOCATION_LIMIT_BYTES) {
        return QImage();
    }
    QImage image(int(width), int(rows), format);
    if (!image.isNull()) image.fill(0);
    return image;
}

qint64 SerialOf(const QImage& image) {
    return image.cacheKey() >> 32;
}

Colour FromQRgb(QRgb value) {
    return Rgb(qRed(value), qGreen(value), qBlue(value));
}

Colour FromIndex(const QList<QRgb>& table, int index) {
    return index < table.size() ? FromQRgb(table[index]) : OUT_OF_PALETTE_COLOUR;
}

int IndexAt(QImage::Format format, const uchar* line, int x) {
    switch (format) {
    case QImage::Format_Mono:
        return (line[x >> 3] >> (7 - (x & 7))) & 1;
    case QImage::Format_MonoLSB:
        return (line[x >> 3] >> (x & 7)) & 1;
    default:
        return line[x];
    }
}

// Reads the colours straight from the scan lines: QImage::pixel warns on every
// index beyond the colour table, and a conversion would pick its own colour.
std::vector<Colour> PixelsOf(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const QImage::Format format = image.format();
    const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
    const QList<QRgb> table = image.colorTable();
    std::vector<Colour> pixels(std::size_t(width) * std::size_t(height));
    Colour* out = pixels.data();
    for (int y = 0; y < height; ++y) {
        const uchar* line = image.constScanLine(y);
        if (direct) {
            const QRgb* row = reinterpret_cast<const QRgb*>(line);
            for (int x = 0; x < width; ++x)
                *out++ = FromQRgb(row[x]);
        } else {
            for (int x = 0; x < width; ++x)
                *out++ = FromIndex(table, IndexAt(format, line, x));
        }
    }
    return pixels;
}

// The formats PixelsOf reads directly; the bitmap reader makes no others.
bool ReadableAsIs(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_Mono ||
           format == QImage::Format_MonoLSB || format == QImage::Format_RGB32 ||
           format == QImage::Format_ARGB32;
}

} // namespace

std::optional<DecodedImage> DecodeBitmapBytes(std::span<const std::uint8_t> bytes,
                                              std::string* reason) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              qsizetype(bytes.size()));
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(DECODE_ALLOCATION_LIMIT_MB);

    QImage image = PreparedImage(reader);
    const qint64 preparedSerial = SerialOf(image);
    if (!reader.read(&image) || image.isNull()) {
        SetReason(reason,
                  "the image reader cannot decode it: " + reader.errorString().toStdString());
        return std::nullopt;
    }
    // Only palette images can have left-out pixels; if the reader made a fresh
    // one, those pixels would hold stale memory.
    const bool palette = image.format() == QImage::Format_Indexed8;
    if (palette && SerialOf(image) != preparedSerial) {
        SetReason(reason, "the image reader did not decode into the prepared image");
        return std::nullopt;
    }
    if (!ReadableAsIs(image.format())) image = image.convertToFormat(QImage::Format_RGB32);
    DecodedImage decoded;
    decoded.width = image.width();
    decoded.height = image.height();
    decoded.pixels = PixelsOf(image);
    return decoded;
}
