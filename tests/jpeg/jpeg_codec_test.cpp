#include "jpeg/jpeg_codec.h"

#include "libjpeg_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>


using namespace vantora::jpeg;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Smooth gradients in every channel, as R, G, B bytes.
Bytes gradientRgb(int w, int h) {
    Bytes rgb(std::size_t(w) * std::size_t(h) * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = rgb.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            p[0] = std::uint8_t(x * 255 / std::max(w - 1, 1));
            p[1] = std::uint8_t(y * 255 / std::max(h - 1, 1));
            p[2] = std::uint8_t((x + y) * 255 / std::max(w + h - 2, 1));
        }
    return rgb;
}

// The same pixels in another layout, rows padded by `pad` bytes.
Bytes relayout(const Bytes& rgb, int w, int h, PixelLayout layout, std::size_t pad, std::size_t& stride) {
    const std::size_t bpp = layout == PixelLayout::Rgb24 || layout == PixelLayout::Bgr24 ? 3 : 4;
    stride = std::size_t(w) * bpp + pad;
    Bytes out(stride * std::size_t(h), 0xEE);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* s = rgb.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            std::uint8_t* d = out.data() + std::size_t(y) * stride + std::size_t(x) * bpp;
            switch (layout) {
            case PixelLayout::Rgb24: std::memcpy(d, s, 3); break;
            case PixelLayout::Rgba32: std::memcpy(d, s, 3); d[3] = 7; break;
            case PixelLayout::Bgr24: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; break;
            case PixelLayout::Bgra32: d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; d[3] = 7; break;
            case PixelLayout::ArgbWords: {
                const std::uint32_t word = 0x07000000u | std::uint32_t(s[0]) << 16 | std::uint32_t(s[1]) << 8 | s[2];
                std::memcpy(d, &word, 4);
                break;
            }
            }
        }
    return out;
}

Bytes referenceEncode(const Bytes& rgb, int w, int h, int quality, bool progressive = false) {
    return jpeg_test::libjpegEncode(rgb, w, h, quality, progressive);
}

Bytes encodeRgb(const Bytes& rgb, int w, int h, int quality) {
    Bytes out;
    std::string error;
    EXPECT_TRUE(encode({rgb.data(), w, h, std::size_t(w) * 3, PixelLayout::Rgb24}, quality, out, error)) << error;
    return out;
}

std::vector<std::uint32_t> decodeAll(const Bytes& jpeg, Header* header = nullptr) {
    Decoder decoder(jpeg);
    if (!decoder.readHeader()) {
        ADD_FAILURE() << decoder.message();
        return {};
    }
    std::vector<std::uint32_t> argb(std::size_t(decoder.header().width) * std::size_t(decoder.header().height));
    EXPECT_TRUE(decoder.readArgb(argb.data())) << decoder.message();
    if (header != nullptr)
        *header = decoder.header();
    return argb;
}

} // namespace

// ---------------------------------------------------------------- encoding

TEST(JpegEncode, WritesExactlyWhatLibjpegWritesWithItsDefaults) {
    // Odd sizes exercise partial blocks and chroma subsampling edges.
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{17, 9}, std::pair{64, 48}}) {
        const Bytes rgb = gradientRgb(w, h);
        for (int quality : {1, 75, 100})
            EXPECT_EQ(encodeRgb(rgb, w, h, quality), referenceEncode(rgb, w, h, quality)) << w << "x" << h << " q" << quality;
    }
}

TEST(JpegEncode, EveryPixelLayoutGivesTheSameBytes) {
    const int w = 23, h = 11;
    const Bytes rgb = gradientRgb(w, h);
    const Bytes expected = referenceEncode(rgb, w, h, 100);
    for (PixelLayout layout : {PixelLayout::Rgb24, PixelLayout::Bgr24, PixelLayout::Rgba32, PixelLayout::Bgra32,
                               PixelLayout::ArgbWords}) {
        std::size_t stride = 0;
        const Bytes pixels = relayout(rgb, w, h, layout, 8, stride);
        Bytes out;
        std::string error;
        ASSERT_TRUE(encode({pixels.data(), w, h, stride, layout}, 100, out, error)) << error;
        EXPECT_EQ(out, expected) << int(layout);
    }
}

TEST(JpegEncode, QualityIsClampedToOneToHundred) {
    const Bytes rgb = gradientRgb(16, 16);
    EXPECT_EQ(encodeRgb(rgb, 16, 16, -5), referenceEncode(rgb, 16, 16, 1));
    EXPECT_EQ(encodeRgb(rgb, 16, 16, 250), referenceEncode(rgb, 16, 16, 100));
}

TEST(JpegEncode, RefusesImagesItCannotWrite) {
    const Bytes rgb = gradientRgb(4, 4);
    struct Case { const char* name; PixelView view; };
    const Case cases[] = {
        {"no pixels", {nullptr, 4, 4, 12, PixelLayout::Rgb24}},
        {"zero width", {rgb.data(), 0, 4, 12, PixelLayout::Rgb24}},
        {"negative height", {rgb.data(), 4, -1, 12, PixelLayout::Rgb24}},
        {"too wide", {rgb.data(), kMaxSide + 1, 1, 3 * std::size_t(kMaxSide + 1), PixelLayout::Rgb24}},
        {"rows shorter than the width", {rgb.data(), 4, 4, 11, PixelLayout::Rgb24}},
        {"rows shorter for four bytes a pixel", {rgb.data(), 4, 4, 12, PixelLayout::Bgra32}},
    };
    for (const Case& c : cases) {
        Bytes out = {1, 2, 3};
        std::string error;
        EXPECT_FALSE(encode(c.view, 90, out, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_TRUE(out.empty()) << c.name;
    }
}

// ---------------------------------------------------------------- decoding

TEST(JpegDecode, ReadsHeaderThenOpaquePixelsCloseToTheSource) {
    const int w = 40, h = 30;
    const Bytes rgb = gradientRgb(w, h);
    Header header;
    const std::vector<std::uint32_t> argb = decodeAll(encodeRgb(rgb, w, h, 100), &header);
    EXPECT_EQ(header.width, w);
    EXPECT_EQ(header.height, h);
    EXPECT_EQ(header.components, 3);
    EXPECT_FALSE(header.progressive);
    ASSERT_EQ(argb.size(), std::size_t(w * h));
    int worst = 0;
    for (std::size_t i = 0; i < argb.size(); ++i) {
        EXPECT_EQ(argb[i] >> 24, 0xFFu) << i;
        for (int c = 0; c < 3; ++c) {
            const int got = int((argb[i] >> (16 - 8 * c)) & 0xFF);
            worst = std::max(worst, std::abs(got - int(rgb[i * 3 + std::size_t(c)])));
        }
    }
    EXPECT_LE(worst, 8);
}

// Our pixels are exactly libjpeg's own RGB decoding, for colour and greyscale files, baseline and
// progressive, with heights that do not divide into the rows decoded per call.
TEST(JpegDecode, PixelsAreExactlyWhatLibjpegDecodes) {
    const int w = 37, h = 53;
    const Bytes rgb = gradientRgb(w, h);
    Bytes grey(std::size_t(w) * std::size_t(h));
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = rgb[3 * i + 1];
    const std::pair<const char*, Bytes> files[] = {
        {"colour", referenceEncode(rgb, w, h, 75)},
        {"progressive", referenceEncode(rgb, w, h, 90, true)},
        {"grey", jpeg_test::libjpegEncodeGrey(grey, w, h, 80)},
        {"one row", referenceEncode(Bytes(rgb.begin(), rgb.begin() + w * 3), w, 1, 90)},
    };
    for (const auto& [name, jpeg] : files) {
        int rw = 0, rh = 0;
        const Bytes expected = jpeg_test::libjpegDecodeRgb(jpeg, rw, rh);
        Header header;
        const std::vector<std::uint32_t> argb = decodeAll(jpeg, &header);
        ASSERT_EQ(header.width, rw) << name;
        ASSERT_EQ(header.height, rh) << name;
        ASSERT_EQ(argb.size(), std::size_t(rw) * std::size_t(rh)) << name;
        for (std::size_t i = 0; i < argb.size(); ++i) {
            const std::uint32_t want = 0xFF000000u | std::uint32_t(expected[3 * i]) << 16 |
                                       std::uint32_t(expected[3 * i + 1]) << 8 | expected[3 * i + 2];
            ASSERT_EQ(argb[i], want) << name << " pixel " << i;
        }
    }
}

TEST(JpegDecode, ProgressiveFilesAreRecognisedAndDecoded) {
    const Bytes rgb = gradientRgb(32, 32);
    const Bytes progressive = referenceEncode(rgb, 32, 32, 90, true);
    Header header;
    const std::vector<std::uint32_t> fromProgressive = decodeAll(progressive, &header);
    EXPECT_TRUE(header.progressive);
    EXPECT_EQ(fromProgressive.size(), 32u * 32u);
}

TEST(JpegDecode, RefusesDataThatIsNotJpeg) {
    for (const Bytes& data : {Bytes{}, Bytes{0xFF}, Bytes{0xFF, 0xD8}, Bytes{'G', 'I', 'F', '8', '9', 'a'},
                              Bytes{0xFF, 0xD8, 0xFF, 0xD9}}) {
        Decoder decoder(data);
        EXPECT_FALSE(decoder.readHeader()) << data.size();
        EXPECT_FALSE(decoder.message().empty());
    }
}

TEST(JpegDecode, EveryCutShortFileFailsCleanly) {
    const Bytes jpeg = encodeRgb(gradientRgb(24, 16), 24, 16, 80);
    for (std::size_t n = 0; n + 2 < jpeg.size(); n += 7) {
        const Bytes cut(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(n));
        Decoder decoder(cut);
        if (!decoder.readHeader())
            continue;
        std::vector<std::uint32_t> argb(std::size_t(decoder.header().width) * std::size_t(decoder.header().height));
        EXPECT_FALSE(decoder.readArgb(argb.data())) << "cut at " << n;
        EXPECT_FALSE(decoder.message().empty());
    }
}

TEST(JpegDecode, StepsOutOfOrderFailInsteadOfCrashing) {
    const Bytes jpeg = encodeRgb(gradientRgb(8, 8), 8, 8, 80);
    std::vector<std::uint32_t> argb(64);
    Decoder early(jpeg);
    EXPECT_FALSE(early.readArgb(argb.data()));
    Decoder twice(jpeg);
    ASSERT_TRUE(twice.readHeader());
    EXPECT_FALSE(twice.readHeader());
    EXPECT_FALSE(twice.readArgb(nullptr));
    EXPECT_TRUE(twice.readArgb(argb.data())) << twice.message();
}

// ---------------------------------------------------------------- rows at a time

namespace {

// A CMYK file as Adobe writes them (inverted ink), so that decoding converts each row.
Bytes cmykJpeg(int w, int h) {
    Bytes cmyk(std::size_t(w) * std::size_t(h) * 4);
    for (std::size_t i = 0; i < cmyk.size(); ++i)
        cmyk[i] = std::uint8_t(255 - (i * 37 + i / 97) % 200);
    return jpeg_test::libjpegEncodeSamples(cmyk, w, h, 4, JCS_CMYK, 85, false);
}

// The pictures the strip tests run over: sizes that do not divide into 8- or 16-row bands, one
// row, every colour space the decoder reads, and progressive files.
std::vector<std::pair<const char*, Bytes>> stripSamples() {
    const Bytes rgb = gradientRgb(61, 45);
    Bytes grey(std::size_t(61) * 45);
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = rgb[3 * i];
    return {
        {"colour", referenceEncode(rgb, 61, 45, 75)},
        {"progressive", referenceEncode(rgb, 61, 45, 90, true)},
        {"grey", jpeg_test::libjpegEncodeGrey(grey, 61, 45, 80)},
        {"cmyk", cmykJpeg(23, 19)},
        {"one row", referenceEncode(Bytes(rgb.begin(), rgb.begin() + 61 * 3), 61, 1, 90)},
        {"ours at 100", encodeRgb(rgb, 61, 45, 100)},
    };
}

} // namespace

TEST(JpegRows, ReadingInStripsOfAnyHeightGivesThePixelsOfOneRead) {
    for (const auto& [name, jpeg] : stripSamples()) {
        Header header;
        const std::vector<std::uint32_t> whole = decodeAll(jpeg, &header);
        for (int strip : {1, 3, 16}) {
            Decoder decoder(jpeg);
            ASSERT_TRUE(decoder.readHeader()) << name;
            ASSERT_TRUE(decoder.startRows()) << name << ": " << decoder.message();
            const std::size_t width = std::size_t(header.width);
            // Rows land `stride` words apart, the padding untouched.
            const std::size_t stride = width + 5;
            std::vector<std::uint32_t> rows(stride * std::size_t(strip), 0xDEADBEEF);
            std::vector<std::uint32_t> gathered;
            for (int read; (read = decoder.readRows(rows.data(), stride, strip)) > 0;) {
                ASSERT_LE(read, strip);
                for (int r = 0; r < read; ++r) {
                    const auto row = rows.begin() + std::ptrdiff_t(std::size_t(r) * stride);
                    gathered.insert(gathered.end(), row, row + std::ptrdiff_t(width));
                    EXPECT_EQ(row[std::ptrdiff_t(width)], 0xDEADBEEF) << name;
                }
            }
            EXPECT_TRUE(decoder.finishRows()) << name << ": " << decoder.message();
            EXPECT_EQ(gathered, whole) << name << " in strips of " << strip;
            EXPECT_EQ(decoder.readRows(rows.data(), stride, strip), 0) << "nothing is left";
        }
    }
}

TEST(JpegRows, CutShortDataFailsMidwayAndStaysFailed) {
    const Bytes jpeg = encodeRgb(gradientRgb(160, 128), 160, 128, 100);
    const Bytes cut(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() * 3 / 4));
    Decoder decoder(cut);
    ASSERT_TRUE(decoder.readHeader());
    ASSERT_TRUE(decoder.startRows());
    std::vector<std::uint32_t> rows(160 * 16);
    int read = 0, total = 0;
    while ((read = decoder.readRows(rows.data(), 160, 16)) > 0)
        total += read;
    EXPECT_EQ(read, -1);
    EXPECT_GT(total, 0) << "the rows before the cut are decoded";
    EXPECT_LT(total, 128);
    EXPECT_FALSE(decoder.message().empty());
    EXPECT_EQ(decoder.readRows(rows.data(), 160, 16), -1);
    EXPECT_FALSE(decoder.finishRows());
}

TEST(JpegRows, RowStepsOutOfOrderAreRefused) {
    const Bytes jpeg = encodeRgb(gradientRgb(8, 8), 8, 8, 80);
    std::vector<std::uint32_t> rows(64);
    Decoder unread(jpeg);
    EXPECT_FALSE(unread.startRows());
    Decoder decoder(jpeg);
    ASSERT_TRUE(decoder.readHeader());
    EXPECT_EQ(decoder.readRows(rows.data(), 8, 8), -1) << "not started";
    EXPECT_FALSE(decoder.finishRows());
    ASSERT_TRUE(decoder.startRows());
    EXPECT_FALSE(decoder.startRows());
    EXPECT_EQ(decoder.readRows(rows.data(), 7, 8), -1) << "rows narrower than the picture";
    EXPECT_EQ(decoder.readRows(rows.data(), 8, 0), -1);
    EXPECT_FALSE(decoder.finishRows()) << "rows are missing";
}

TEST(JpegEncoder, RowsGivenInAnyPiecesGiveTheBytesOfOneEncode) {
    const int w = 45, h = 37;
    const Bytes rgb = gradientRgb(w, h);
    const Bytes whole = encodeRgb(rgb, w, h, 92);
    for (int piece : {1, 5, 16, 17, h}) {
        Encoder encoder;
        Bytes out;
        ASSERT_TRUE(encoder.start(w, h, PixelLayout::Rgb24, 92, out)) << encoder.message();
        for (int y = 0; y < h; y += piece)
            ASSERT_TRUE(encoder.writeRows(rgb.data() + std::size_t(y) * w * 3, std::size_t(w) * 3, std::min(piece, h - y)));
        ASSERT_TRUE(encoder.finish()) << encoder.message();
        EXPECT_EQ(out, whole) << "pieces of " << piece;
    }
}

TEST(JpegEncoder, TooManyTooFewOrLateRowsAreRefused) {
    const Bytes rgb = gradientRgb(8, 8);
    Bytes out;
    Encoder notStarted;
    EXPECT_FALSE(notStarted.writeRows(rgb.data(), 24, 1));
    EXPECT_FALSE(notStarted.finish());
    Encoder encoder;
    EXPECT_FALSE(encoder.start(0, 8, PixelLayout::Rgb24, 90, out));
    Encoder short_;
    ASSERT_TRUE(short_.start(8, 8, PixelLayout::Rgb24, 90, out));
    EXPECT_FALSE(short_.writeRows(rgb.data(), 24, 9)) << "more rows than the picture has";
    EXPECT_FALSE(short_.writeRows(rgb.data(), 23, 1)) << "rows shorter than the width";
    ASSERT_TRUE(short_.writeRows(rgb.data(), 24, 7));
    EXPECT_FALSE(short_.finish()) << "a row is missing";
    EXPECT_FALSE(short_.message().empty());
}

TEST(JpegReencode, GivesTheBytesOfDecodingWholeAndEncoding) {
    for (const auto& [name, jpeg] : stripSamples()) {
        Header header;
        const std::vector<std::uint32_t> argb = decodeAll(jpeg, &header);
        for (int quality : {100, 60}) {
            Bytes expected;
            std::string error;
            ASSERT_TRUE(encode({reinterpret_cast<const std::uint8_t*>(argb.data()), header.width, header.height,
                                std::size_t(header.width) * 4, PixelLayout::ArgbWords},
                               quality, expected, error))
                << error;
            Bytes got;
            ASSERT_TRUE(reencode(jpeg, quality, got, error)) << name << ": " << error;
            EXPECT_EQ(got, expected) << name << " at " << quality;
        }
    }
}

TEST(JpegReencode, DamagedOrForeignDataGivesNothingAndSaysWhy) {
    const Bytes jpeg = encodeRgb(gradientRgb(40, 40), 40, 40, 90);
    for (const Bytes& bad : {Bytes{}, Bytes{'P', 'N', 'G'}, Bytes(jpeg.begin(), jpeg.begin() + 300),
                             Bytes(jpeg.begin(), jpeg.end() - 40)}) {
        Bytes out{1, 2, 3};
        std::string error;
        EXPECT_FALSE(reencode(bad, 100, out, error)) << bad.size();
        EXPECT_TRUE(out.empty());
        EXPECT_FALSE(error.empty());
    }
}
