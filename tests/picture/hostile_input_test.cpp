// Damaged, truncated and oversized files of every format fail with a reason, never a crash, and
// absurd sizes are refused before any pixel memory is taken.

#include "picture/picture.h"
#include "picture/picture_format.h"
#include "picture/png_codec.h"

#include "test_patterns.h"

#include <zlib.h>

namespace vantora::test {
namespace {

const char* const kDecodableFiles[] = {
    "bmp/indexed1.bmp", "bmp/indexed4.bmp", "bmp/rle4.bmp", "bmp/rle8.bmp", "bmp/rgb16.bmp", "bmp/argb32.bmp",
    "jpeg/blocks.jpg", "jpeg/progressive.jpg", "png/rgba.png", "png/interlaced.png", "gif/transparent.gif",
    "gif/interlaced.gif", "ico/argb32.ico", "ico/indexed.ico", "ico/png_entry.ico",
};

RgbaImage decodeAs(PictureFormat format, const std::vector<std::uint8_t>& bytes, std::string& error) {
    return Picture(format, bytes).decode(&error);
}

// Every prefix of a file either fails with a reason or (when only trailing records are missing)
// still gives the whole picture. Files cut in their first half must fail, except an icon whose
// first entry survives the cut and is decoded in place of the lost best one.
TEST(PictureHostileInput, EveryTruncationFailsCleanly) {
    for (const char* file : kDecodableFiles) {
        SCOPED_TRACE(file);
        const std::vector<std::uint8_t> whole = pictureBytes(file);
        const PictureFormat format = detectPictureFormat(whole);
        const bool fallbackEntry = format == PictureFormat::Icon && whole[4] > 1; // more than one entry
        std::string error;
        const RgbaImage full = decodeAs(format, whole, error);
        ASSERT_FALSE(full.empty()) << error;
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            error.clear();
            const RgbaImage image = decodeAs(format, prefix, error);
            if (image.empty()) {
                EXPECT_FALSE(error.empty()) << "length " << length;
            } else {
                ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
                if (!fallbackEntry) {
                    EXPECT_GE(length, whole.size() / 2) << "a picture cut in half decoded";
                    EXPECT_EQ(image.width, full.width);
                    EXPECT_EQ(image.height, full.height);
                }
            }
        }
    }
}

// Flipping single bytes anywhere must never crash; the result is either a picture or a reason.
TEST(PictureHostileInput, FlippedBytesNeverCrash) {
    for (const char* file : kDecodableFiles) {
        SCOPED_TRACE(file);
        const std::vector<std::uint8_t> whole = pictureBytes(file);
        const PictureFormat format = detectPictureFormat(whole);
        for (std::size_t at = 0; at < whole.size(); ++at) {
            for (std::uint8_t flip : {std::uint8_t{0xFF}, std::uint8_t{0x80}, std::uint8_t{0x01}}) {
                std::vector<std::uint8_t> bytes = whole;
                bytes[at] ^= flip;
                std::string error;
                const RgbaImage image = decodeAs(format, bytes, error);
                if (image.empty()) {
                    ASSERT_FALSE(error.empty()) << "byte " << at;
                } else {
                    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
                }
            }
        }
    }
}

void putBigEndian32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void putLittleEndian32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A PNG whose header claims width x height, with a valid checksum so that only the size is wrong.
std::vector<std::uint8_t> pngClaiming(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = pictureBytes("png/rgba.png");
    putBigEndian32(bytes, 16, width);
    putBigEndian32(bytes, 20, height);
    putBigEndian32(bytes, 29, static_cast<std::uint32_t>(crc32(0, bytes.data() + 12, 17)));
    return bytes;
}

// A JPEG whose frame header claims width x height.
std::vector<std::uint8_t> jpegClaiming(std::uint16_t width, std::uint16_t height) {
    std::vector<std::uint8_t> bytes = pictureBytes("jpeg/blocks.jpg");
    for (std::size_t i = 2; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
            bytes[i + 6] = static_cast<std::uint8_t>(height);
            bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
            bytes[i + 8] = static_cast<std::uint8_t>(width);
            return bytes;
        }
    ADD_FAILURE() << "no frame header";
    return bytes;
}

std::vector<std::uint8_t> bmpClaiming(std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> bytes = pictureBytes("bmp/rgb24.bmp");
    putLittleEndian32(bytes, 18, static_cast<std::uint32_t>(width));
    putLittleEndian32(bytes, 22, static_cast<std::uint32_t>(height));
    return bytes;
}

std::vector<std::uint8_t> iconWithPngEntry(const std::vector<std::uint8_t>& png) {
    std::vector<std::uint8_t> bytes = {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    putLittleEndian32(bytes, 6 + 8, static_cast<std::uint32_t>(png.size()));
    bytes.insert(bytes.end(), png.begin(), png.end());
    return bytes;
}

TEST(PictureHostileInput, AbsurdSizesAreRefused) {
    struct Case {
        const char* name;
        PictureFormat format;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> gif = pictureBytes("gif/transparent.gif");
    gif[6] = gif[7] = gif[8] = gif[9] = 0xFF;
    const Case cases[] = {
        {"PNG 2^31 - 1 wide", PictureFormat::Png, pngClaiming(0x7FFFFFFF, 1)},
        {"PNG 20000 x 20000", PictureFormat::Png, pngClaiming(20000, 20000)},
        {"PNG 16384 x 16385", PictureFormat::Png, pngClaiming(16384, 16385)},
        {"JPEG 65535 x 65535", PictureFormat::Jpeg, jpegClaiming(65535, 65535)},
        {"JPEG 16385 x 16", PictureFormat::Jpeg, jpegClaiming(16385, 16)},
        {"BMP 100000 x 1", PictureFormat::Bitmap, bmpClaiming(100000, 1)},
        {"BMP negative width", PictureFormat::Bitmap, bmpClaiming(-13, 7)},
        {"BMP 16384 x 16384 from 334 bytes", PictureFormat::Bitmap, bmpClaiming(16384, 16384)},
        {"GIF 65535 x 65535 screen", PictureFormat::Gif, gif},
        {"icon with a 20000 x 20000 PNG", PictureFormat::Icon, iconWithPngEntry(pngClaiming(20000, 20000))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_TRUE(Picture(c.format, c.bytes).decode(&error).empty());
        EXPECT_FALSE(error.empty());
    }
}

TEST(PictureHostileInput, ZeroSizedPicturesAreRefused) {
    std::string error;
    EXPECT_TRUE(Picture(PictureFormat::Png, pngClaiming(0, 7)).decode(&error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(Picture(PictureFormat::Jpeg, jpegClaiming(0, 16)).decode(&error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(Picture(PictureFormat::Bitmap, bmpClaiming(13, 0)).decode(&error).empty());
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace vantora::test
