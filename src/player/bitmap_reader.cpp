#include "player/bitmap_reader.h"

#include "player/bit_reader.h"
#include "player/inflate.h"
#include "player/movie_error.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>

namespace player {

namespace {

void CheckSize(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        width * height > kMaxBitmapPixels)
        throw MovieError("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels is outside the sizes the player accepts");
}

// JPEG data without the erroneous end-and-start marker pair some writers put in front.
std::span<const uint8_t> SkipErrorHeader(std::span<const uint8_t> jpeg) {
    while (jpeg.size() >= 4 && jpeg[0] == 0xff && jpeg[1] == 0xd9 && jpeg[2] == 0xff && jpeg[3] == 0xd8)
        jpeg = jpeg.subspan(4);
    return jpeg;
}

uint32_t Premultiply(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return a << 24 | (r * a + 127) / 255 << 16 | (g * a + 127) / 255 << 8 | (b * a + 127) / 255;
}

QImage ReadLossless(BitReader& r, bool withAlpha) {
    const uint8_t format = r.U8();
    const int width = r.U16();
    const int height = r.U16();
    CheckSize(width, height);
    int colors = 0;
    if (format == 3)
        colors = r.U8() + 1;
    else if (format != 4 && format != 5)
        throw MovieError("unknown lossless bitmap format " + std::to_string(format));
    const size_t pixelBytes = format == 3 ? 1 : format == 4 ? 2 : 4;
    const size_t rowBytes = (size_t(width) * pixelBytes + 3) & ~size_t(3);
    const size_t tableBytes = size_t(colors) * (withAlpha ? 4 : 3);
    const size_t expected = tableBytes + (format == 5 ? size_t(width) * 4 : rowBytes) * size_t(height);
    const std::vector<uint8_t> data = InflateLimited(r.Rest(), expected);
    if (data.size() < expected)
        throw MovieError("lossless bitmap data is shorter than its size");
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw MovieError("out of memory for a bitmap");
    std::vector<uint32_t> table(size_t(std::max(colors, 1)), 0);
    for (int i = 0; i < colors; ++i) {
        const uint8_t* c = &data[size_t(i) * (withAlpha ? 4 : 3)];
        table[size_t(i)] = withAlpha ? Premultiply(c[3], c[0], c[1], c[2]) : Premultiply(255, c[0], c[1], c[2]);
    }
    const uint8_t* pixels = data.data() + tableBytes;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        if (format == 3) {
            const uint8_t* row = pixels + size_t(y) * rowBytes;
            for (int x = 0; x < width; ++x)
                line[x] = row[x] < colors ? table[row[x]] : 0;
        } else if (format == 4) {
            const uint8_t* row = pixels + size_t(y) * rowBytes;
            for (int x = 0; x < width; ++x) {
                const uint32_t v = uint32_t(row[2 * x]) << 8 | row[2 * x + 1];
                const uint32_t r5 = (v >> 10) & 31, g5 = (v >> 5) & 31, b5 = v & 31;
                line[x] = Premultiply(255, r5 << 3 | r5 >> 2, g5 << 3 | g5 >> 2, b5 << 3 | b5 >> 2);
            }
        } else {
            const uint8_t* row = pixels + size_t(y) * size_t(width) * 4;
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = row + 4 * x;
                if (withAlpha) {
                    // Stored premultiplied; a colour above its alpha is clamped to stay valid.
                    const uint32_t a = p[0];
                    line[x] = a << 24 | std::min<uint32_t>(p[1], a) << 16 | std::min<uint32_t>(p[2], a) << 8 |
                              std::min<uint32_t>(p[3], a);
                } else {
                    line[x] = 0xff000000u | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
                }
            }
        }
    }
    return image;
}

void ApplyAlpha(QImage& image, std::span<const uint8_t> packedAlpha) {
    const size_t count = size_t(image.width()) * size_t(image.height());
    const std::vector<uint8_t> alpha = InflateLimited(packedAlpha, count);
    if (alpha.size() < count)
        return; // no usable alpha: the picture stays opaque
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t c = line[x];
            line[x] = Premultiply(alpha[size_t(y) * size_t(image.width()) + size_t(x)], (c >> 16) & 0xff,
                                  (c >> 8) & 0xff, c & 0xff);
        }
    }
}

} // namespace

QImage DecodeJpeg(std::span<const uint8_t> jpeg) {
    jpeg = SkipErrorHeader(jpeg);
    QByteArray bytes(reinterpret_cast<const char*>(jpeg.data()), qsizetype(jpeg.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    CheckSize(size.width(), size.height());
    QImage image = reader.read();
    if (image.isNull())
        throw MovieError("damaged JPEG data: " + reader.errorString().toStdString());
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::shared_ptr<BitmapDef> ReadBitmap(uint16_t code, std::span<const uint8_t> body,
                                      std::span<const uint8_t> jpegTables) {
    BitReader r(body);
    auto bitmap = std::make_shared<BitmapDef>();
    bitmap->id = r.U16();
    switch (code) {
    case 6: { // DefineBits: the movie's tables, then this image's frames
        std::vector<uint8_t> joined;
        auto tables = SkipErrorHeader(jpegTables);
        auto image = SkipErrorHeader(r.Rest());
        if (tables.size() >= 2 && tables[tables.size() - 2] == 0xff && tables.back() == 0xd9)
            tables = tables.first(tables.size() - 2);
        if (!tables.empty() && image.size() >= 2 && image[0] == 0xff && image[1] == 0xd8)
            image = image.subspan(2);
        joined.assign(tables.begin(), tables.end());
        joined.insert(joined.end(), image.begin(), image.end());
        bitmap->image = DecodeJpeg(joined);
        break;
    }
    case 21: bitmap->image = DecodeJpeg(r.Rest()); break;
    case 35: {
        const uint32_t alphaOffset = r.U32();
        if (alphaOffset > r.Remaining())
            throw MovieError("JPEG alpha offset past the end of the tag");
        bitmap->image = DecodeJpeg(r.Bytes(alphaOffset));
        ApplyAlpha(bitmap->image, r.Rest());
        break;
    }
    case 20: bitmap->image = ReadLossless(r, false); break;
    case 36: bitmap->image = ReadLossless(r, true); break;
    default: throw MovieError("not a bitmap tag");
    }
    return bitmap;
}

} // namespace player
