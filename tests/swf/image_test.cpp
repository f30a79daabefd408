#include "swf/deflate.h"
#include "swf/errors.h"
#include "swf/image.h"
#include "swf/movie.h"
#include "swf/shape.h"

#include "bmp_builder.h"
#include "jpeg_test_data.h"
#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <zlib.h>

using namespace swf;
using swf_test::Bytes;
using swf_test::BmpLayout;
using vantora::test::TempDir;

namespace {

Bytes inflateAll(const uint8_t* data, size_t size, size_t expected) {
    Bytes out(expected + 16);
    uLongf n = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &n, data, uLong(size)), Z_OK);
    out.resize(n);
    return out;
}

struct LosslessTag {
    uint16_t code;
    uint16_t id;
    uint8_t format;
    uint16_t width, height;
    int colorTableSize; // -1 when absent
    Bytes pixels;       // inflated
    bool longHeader;
};

LosslessTag decodeLossless(TFlashImage& image, size_t expectedPixelBytes) {
    const Bytes b = swf_test::tagBytes(image);
    LosslessTag t{};
    const uint16_t word = uint16_t(b[0] | b[1] << 8);
    t.code = word >> 6;
    t.longHeader = (word & 63) == 63;
    const size_t body = t.longHeader ? 6 : 2;
    t.id = uint16_t(b[body] | b[body + 1] << 8);
    t.format = b[body + 2];
    t.width = uint16_t(b[body + 3] | b[body + 4] << 8);
    t.height = uint16_t(b[body + 5] | b[body + 6] << 8);
    size_t data = body + 7;
    t.colorTableSize = -1;
    if (t.format == 3)
        t.colorTableSize = b[data++] + 1;
    t.pixels = inflateAll(b.data() + data, b.size() - data, expectedPixelBytes);
    return t;
}

Bytes bmp8(int width, int height, std::vector<uint32_t> palette, const std::vector<uint8_t>& indices) {
    BmpLayout s{width, height, 8, 0, std::move(palette), {}, 0, {}};
    s.colorsUsed = uint32_t(s.palette.size());
    const int rowBytes = (width + 3) & ~3;
    s.pixels.assign(size_t(rowBytes) * size_t(height), 0);
    for (int y = 0; y < height; ++y) // indices given top row first
        for (int x = 0; x < width; ++x)
            s.pixels[size_t(height - 1 - y) * size_t(rowBytes) + size_t(x)] = indices[size_t(y * width + x)];
    return swf_test::makeBmp(s);
}

} // namespace

// ---------------------------------------------------------------- lossless from BMP

TEST(ImageLossless, TwentyFourBitRowsStartWithFF) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    image->LoadFromBMPStream(swf_test::makeBmp24(3, 2, [](int x, int y) { return uint32_t(0x102030 * (x + 1) + y); }));
    EXPECT_EQ(image->BitmapFormat(), 5);
    EXPECT_EQ(image->RowLength(), 3);
    EXPECT_FALSE(image->HasAlpha());
    const LosslessTag t = decodeLossless(*image, 24);
    EXPECT_EQ(t.code, 20);
    EXPECT_TRUE(t.longHeader);
    EXPECT_EQ(t.format, 5);
    ASSERT_EQ(t.pixels.size(), 24u); // 12 bytes per row
    EXPECT_EQ(Bytes(t.pixels.begin(), t.pixels.begin() + 8), (Bytes{0xFF, 0x10, 0x20, 0x30, 0xFF, 0x20, 0x40, 0x60}));
    EXPECT_EQ(t.pixels[12 + 3], 0x31); // second row (y = 1): blue + 1
}

TEST(ImageLossless, EightBitPaletteIsCompactedAndRowsPadded) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    // Five pixels using entries 1, 4 and 7 of eight.
    std::vector<uint32_t> palette = {0, 0x110000, 0, 0, 0x002200, 0, 0, 0x000033};
    image->LoadFromBMPStream(bmp8(5, 1, palette, {7, 1, 4, 4, 1}));
    EXPECT_EQ(image->BitmapFormat(), 3);
    EXPECT_EQ(image->RowLength(), 8);
    EXPECT_EQ(image->ColorTableSize(), 3);
    const LosslessTag t = decodeLossless(*image, 9 + 8);
    EXPECT_EQ(t.colorTableSize, 3); // the byte holds 2
    EXPECT_EQ(t.pixels, (Bytes{0x11, 0, 0, 0, 0x22, 0, 0, 0, 0x33, 2, 0, 1, 1, 0, 0, 0, 0}));
}

TEST(ImageLossless, TransparentColourMakesColourMappedAlpha) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    image->LoadFromBMPStream(bmp8(2, 1, {0xFF00FF, 0x808080}, {0, 1}));
    image->SetTransparentColor(0x00FF00FF); // magenta, alpha 0
    EXPECT_TRUE(image->HasAlpha());
    EXPECT_EQ(image->MinVersion(), 3);
    const LosslessTag t = decodeLossless(*image, 8 + 4);
    EXPECT_EQ(t.code, 36);
    EXPECT_EQ(Bytes(t.pixels.begin(), t.pixels.begin() + 8), (Bytes{0, 0, 0, 0, 0x80, 0x80, 0x80, 0xFF}));
    TFlashImage* direct = movie.AddImage();
    direct->LoadFromBMPStream(swf_test::makeBmp24(1, 1, [](int, int) { return 0u; }));
    direct->SetTransparentColor(0);
    EXPECT_FALSE(direct->HasAlpha()); // only colour-mapped data takes a transparent colour
}

TEST(ImageLossless, OneAndFourBitIndicesAreUnpacked) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* one = movie.AddImage();
    one->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{3, 1, 1, 0, {0x000000, 0xFFFFFF}, {}, 2, {0xA0, 0, 0, 0}}));
    EXPECT_EQ(decodeLossless(*one, 6 + 4).pixels, (Bytes{0, 0, 0, 0xFF, 0xFF, 0xFF, 1, 0, 1, 0}));
    TFlashImage* four = movie.AddImage();
    four->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{3, 1, 4, 0, {0x010101, 0x020202, 0x030303}, {}, 3, {0x21, 0x00, 0, 0}}));
    // entries used: 2, 1, 0 -> all three stay
    EXPECT_EQ(decodeLossless(*four, 9 + 4).pixels, (Bytes{1, 1, 1, 2, 2, 2, 3, 3, 3, 2, 1, 0, 0}));
}

TEST(ImageLossless, SixteenBitIsFifteenBitHighByteFirstAndConvertsFiveSixFive) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* rgb555 = movie.AddImage();
    rgb555->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{1, 1, 16, 0, {}, {}, 0, {0x1F, 0x7C, 0, 0}}));
    EXPECT_EQ(rgb555->BitmapFormat(), 4);
    EXPECT_EQ(rgb555->RowLength(), 2);
    EXPECT_EQ(decodeLossless(*rgb555, 4).pixels, (Bytes{0x7C, 0x1F, 0, 0}));
    TFlashImage* rgb565 = movie.AddImage();
    // pure green in 5-6-5 (0x07E0) must stay pure green (0x03E0 in 5-5-5)
    rgb565->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{1, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, 0, {0xE0, 0x07, 0, 0}}));
    EXPECT_EQ(decodeLossless(*rgb565, 4).pixels, (Bytes{0x03, 0xE0, 0, 0}));
}

TEST(ImageLossless, ThirtyTwoBitSourceIsPremultipliedAndZeroAlphaIsZero) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    // pixels (b, g, r, a): opaque; half-transparent white; fully transparent red
    image->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{3, 1, 32, 0, {}, {}, 0, {1, 2, 3, 255, 255, 255, 255, 128, 0, 0, 255, 0}}));
    EXPECT_EQ(image->BitmapFormat(), 1);
    EXPECT_TRUE(image->HasAlpha());
    const LosslessTag t = decodeLossless(*image, 12);
    EXPECT_EQ(t.code, 36);
    EXPECT_EQ(t.format, 5);
    EXPECT_EQ(t.pixels, (Bytes{255, 3, 2, 1, 128, 128, 128, 128, 0, 0, 0, 0}));
}

TEST(ImageLossless, ThirtyTwoBitFileWithoutAlphaBytesIsOpaque) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    image->LoadFromBMPStream(swf_test::makeBmp(BmpLayout{2, 1, 32, 0, {}, {}, 0, {10, 20, 30, 0, 40, 50, 60, 0}}));
    EXPECT_EQ(decodeLossless(*image, 8).pixels, (Bytes{255, 30, 20, 10, 255, 60, 50, 40}));
}

// ---------------------------------------------------------------- pixel buffers and ready data

TEST(ImagePixels, StraightAlphaBufferIsWrittenPremultiplied) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    // BGRA: opaque blue, 50 % green, transparent; then a row with stride padding
    const uint8_t px[] = {255, 0, 0, 255, 0, 200, 0, 128, 9, 9, 9, 0, 0xEE, 0xEE, 0xEE, 0xEE,
                          0, 0, 255, 64, 0, 0, 0, 255, 0, 0, 0, 0, 0xEE, 0xEE, 0xEE, 0xEE};
    image->LoadFromPixels({px, 3, 2, 16, TPixelLayout::BGRA32});
    EXPECT_TRUE(image->HasAlpha());
    const LosslessTag t = decodeLossless(*image, 24);
    EXPECT_EQ(t.code, 36);
    EXPECT_EQ(t.pixels, (Bytes{255, 0, 0, 255, 128, 0, 100, 0, 0, 0, 0, 0, 64, 64, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0}));
    TFlashImage* rgb = movie.AddImage();
    const uint8_t rgbPx[] = {1, 2, 3};
    rgb->LoadFromPixels({rgbPx, 1, 1, 3, TPixelLayout::RGB24});
    EXPECT_FALSE(rgb->HasAlpha());
    EXPECT_EQ(decodeLossless(*rgb, 4).pixels, (Bytes{255, 1, 2, 3}));
    EXPECT_THROW(rgb->LoadFromPixels({rgbPx, 2, 1, 3, TPixelLayout::RGB24}), Error); // stride too small
}

TEST(ImagePixels, ABurstOfBitmapsEachKeepsItsOwnPixels) {
    // More bitmaps than are compressed in the background at once, some loaded twice while the
    // first load may still be compressing: every tag must carry the pixels last given to it.
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    std::vector<TFlashImage*> images;
    for (int i = 0; i < 12; ++i) {
        const uint8_t first[] = {uint8_t(i), 0, 0};
        images.push_back(movie.AddImage());
        images.back()->LoadFromPixels({first, 1, 1, 3, TPixelLayout::RGB24});
        if (i % 3 == 0) {
            const uint8_t second[] = {uint8_t(i), 7, 9};
            images.back()->LoadFromPixels({second, 1, 1, 3, TPixelLayout::RGB24});
        }
    }
    for (int i = 0; i < 12; ++i) {
        const Bytes expected = i % 3 == 0 ? Bytes{255, uint8_t(i), 7, 9} : Bytes{255, uint8_t(i), 0, 0};
        EXPECT_EQ(decodeLossless(*images[size_t(i)], 4).pixels, expected) << i;
    }
}

TEST(ImagePixels, SetDataWritesTheGivenBytes) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    const Bytes argb = {255, 1, 2, 3, 0, 0, 0, 0};
    image->SetData(Deflate(argb.data(), argb.size()), false, 2, 1, 5, 0, true);
    const LosslessTag t = decodeLossless(*image, 8);
    EXPECT_EQ(t.code, 36);
    EXPECT_EQ(t.format, 5);
    EXPECT_EQ(t.pixels, argb);
    EXPECT_EQ(image->MinVersion(), 3);
}

// ---------------------------------------------------------------- JPEG

TEST(ImageJpeg, BaselineFileIsCopiedBehindTheErrorHeader) {
    TempDir dir;
    const Bytes jpeg = swf_test::baselineJpeg(640, 480);
    vantora::test::writeFileBytes(dir / "shot.jpg", jpeg);
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage(dir / "shot.jpg");
    EXPECT_TRUE(image->IsJPEG());
    EXPECT_EQ(image->DataSource(), TFlashImage::Source::JPEGFile);
    EXPECT_EQ(image->Width(), 640);
    EXPECT_EQ(image->Height(), 480);
    const Bytes b = swf_test::tagBytes(*image);
    ASSERT_EQ(b.size(), 6 + 2 + 4 + jpeg.size());
    EXPECT_EQ(uint16_t(b[0] | b[1] << 8) >> 6, 21);
    EXPECT_EQ(Bytes(b.begin() + 6, b.begin() + 12), (Bytes{1, 0, 0xFF, 0xD9, 0xFF, 0xD8}));
    EXPECT_EQ(Bytes(b.begin() + 12, b.end()), jpeg);
}

TEST(ImageJpeg, ProgressiveFileIsReencodedAsBaseline) {
    TempDir dir;
    vantora::test::writeFileBytes(dir / "p.JPEG", swf_test::progressiveJpeg(50, 20));
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage(dir / "p.JPEG");
    EXPECT_EQ(image->DataSource(), TFlashImage::Source::JPEGMemory);
    EXPECT_EQ(image->Width(), 50);
    const Bytes b = swf_test::tagBytes(*image);
    const Bytes stored(b.begin() + 8 + 4, b.end());
    EXPECT_FALSE(ReadJPEGInfo(stored).Progressive);
}

TEST(ImageJpeg, ProgressiveKeptWhenConversionIsOff) {
    TempDir dir;
    const Bytes progressive = swf_test::progressiveJpeg(50, 20);
    vantora::test::writeFileBytes(dir / "p.jpg", progressive);
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    image->SetConvertProgressive(false);
    image->LoadFromFile(dir / "p.jpg");
    EXPECT_EQ(image->DataSource(), TFlashImage::Source::JPEGFile);
    image->SetConvertProgressive(true);
    EXPECT_EQ(image->DataSource(), TFlashImage::Source::JPEGMemory);
    EXPECT_EQ(image->Width(), 50);
}

TEST(ImageJpeg, AlphaDataMakesDefineBitsJpeg3) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashImage* image = movie.AddImage();
    const Bytes jpeg = swf_test::baselineJpeg(4, 2);
    image->LoadFromJPEGStream(jpeg);
    image->SetJPEGAlpha(Bytes(8, 0x80));
    EXPECT_TRUE(image->HasAlpha());
    TFlashShape* shape = movie.AddRectangle(0, 0, 4, 2);
    shape->SetImageFill(image, TImageFillKind::Clipped);
    movie.PlaceObject(shape, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    const auto* tag = s.find(35);
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->integer("jpegBytes"), long(jpeg.size() + 4));
    EXPECT_EQ(tag->text("jpegHead"), "ffd9ffd8ffd8");
    EXPECT_EQ(tag->integer("alphaBytes"), 8);
}

TEST(ImageFiles, UnsupportedFormatAndMissingFilesFailWithTheirNames) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    try {
        movie.AddImage(dir / "anim.gif");
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Image format \"GIF\" not supported!");
    }
    try {
        movie.AddImage(dir / "missing.jpg");
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("missing.jpg"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
    vantora::test::writeFileBytes(dir / "bad.bmp", Bytes{'B', 'M', 1, 2, 3});
    EXPECT_THROW(movie.AddImage(dir / "bad.bmp"), Error);
    vantora::test::writeFileBytes(dir / "text.jpg", Bytes{'h', 'e', 'l', 'l', 'o'});
    try {
        movie.AddImage(dir / "text.jpg");
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("text.jpg"), std::string::npos) << e.what();
    }
    // The failures left nothing behind: no image in the list, no ID used, the movie still writes.
    EXPECT_TRUE(movie.Images().empty());
    EXPECT_EQ(movie.AddShape()->CharacterId(), 1);
    EXPECT_NO_THROW(movie.MakeStream());
}

TEST(ImageFiles, AnImageWithoutPixelsIsAnErrorNotABrokenTag) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    movie.AddShape();
    movie.AddImage();
    try {
        movie.MakeStream();
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "image 2: has no pixel data");
    }
    TFlashImage* image = movie.Images().front();
    EXPECT_THROW(image->SetData(Bytes{1}, false, 70000, 1, 5, 0, false), Error);
    EXPECT_THROW(image->SetData(Bytes{1}, false, 1, 1, 3, 0, false), Error);
}

TEST(ImageFiles, JpegFileDeletedBeforeWritingNamesTheImage) {
    TempDir dir;
    vantora::test::writeFileBytes(dir / "gone.jpg", swf_test::baselineJpeg(8, 8));
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    movie.AddImage(dir / "gone.jpg");
    std::filesystem::remove(dir / "gone.jpg");
    try {
        movie.MakeStream();
        FAIL() << "expected an exception";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("image 1"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("gone.jpg"), std::string::npos) << e.what();
    }
}

// ---------------------------------------------------------------- bitmap fills

TEST(ImageFill, KindsSetTypeScaleAndTranslation) {
    TFlashMovie movie(0, 0, 400, 400, 20, true);
    TFlashImage* image = movie.AddImage();
    image->LoadFromBMPStream(swf_test::makeBmp24(10, 5, [](int, int) { return 0x808080u; }));
    TFlashShape* clipped = movie.AddRectangle(10, 20, 30, 30);
    const TSWFImageFill* a = clipped->SetImageFill(image, TImageFillKind::Clipped);
    EXPECT_EQ(a->Type, 0x41);
    EXPECT_EQ(a->Matrix.ScaleX, 20 * 65536);
    EXPECT_EQ(a->Matrix.ScaleY, 20 * 65536);
    EXPECT_EQ(a->Matrix.TranslateX, 195);
    EXPECT_EQ(a->Matrix.TranslateY, 395);
    TFlashShape* stretched = movie.AddRectangle(0, 0, 40, 10);
    const TSWFImageFill* b = stretched->SetImageFill(image, TImageFillKind::Stretched);
    EXPECT_EQ(b->Type, 0x41);
    EXPECT_EQ(b->Matrix.ScaleX, TSWFMatrix::ToFixed(800.0 / 10 + 0.003662109375));
    EXPECT_EQ(b->Matrix.ScaleY, TSWFMatrix::ToFixed(200.0 / 5 + 0.003662109375));
    TFlashShape* tiled = movie.AddRectangle(0, 0, 40, 10);
    const TSWFImageFill* c = tiled->SetImageFill(image, TImageFillKind::Repeating, 0.5, 2);
    EXPECT_EQ(c->Type, 0x40);
    EXPECT_EQ(c->Matrix.ScaleX, 10 * 65536);
    EXPECT_EQ(c->Matrix.ScaleY, 40 * 65536);
    EXPECT_EQ(c->Matrix.TranslateX, -5);
}

TEST(ImageFill, ImageMadeAfterTheShapeMovesBeforeItAndParses) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashShape* shape = movie.AddRectangle(0, 0, 10, 5);
    TFlashImage* image = movie.AddImage();
    image->LoadFromBMPStream(swf_test::makeBmp24(10, 5, [](int x, int) { return x < 5 ? 0xFF0000u : 0x0000FFu; }));
    shape->SetImageFill(image, TImageFillKind::Clipped);
    movie.PlaceObject(shape, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{20, 22, 26, 1, 0}));
    EXPECT_EQ(s.find(20)->integer("id"), 2);
    EXPECT_EQ(s.find(22)->text("fill0"), "bitmap:2:clipped");
    EXPECT_EQ(s.find(22)->text("fillMatrix0"), "1310720,0,0,1310720,-5,-5");
}

// ---------------------------------------------------------------- every source format, read back independently

TEST(ImageRoundTrip, EveryBmpDepthParsesWithItsFormatAndPixels) {
    TempDir dir;
    TFlashMovie movie(0, 0, 200, 100, 20, true);
    struct Source {
        Bytes bmp;
        int format;
        int colors; // -1: no colour table
        std::string pixels;
    };
    const std::vector<Source> sources = {
        {swf_test::makeBmp(BmpLayout{3, 1, 1, 0, {0x000000, 0xFFFFFF}, {}, 2, {0xA0, 0, 0, 0}}), 3, 2, "000000ffffff01000100"},
        {bmp8(2, 2, {0x102030, 0x405060, 0x708090}, {2, 0, 0, 2}), 3, 2, "102030708090" "01000000" "00010000"},
        {swf_test::makeBmp(BmpLayout{1, 1, 16, 0, {}, {}, 0, {0x1F, 0x7C, 0, 0}}), 4, -1, "7c1f0000"},
        {swf_test::makeBmp24(2, 1, [](int x, int) { return x ? 0x0000FFu : 0xFF0000u; }), 5, -1, "ffff0000ff0000ff"},
        {swf_test::makeBmp(BmpLayout{1, 1, 32, 0, {}, {}, 0, {0, 0, 200, 100}}), 5, -1, "644e0000"},
    };
    std::vector<TFlashImage*> images;
    for (const Source& s : sources) {
        TFlashImage* image = movie.AddImage();
        image->LoadFromBMPStream(s.bmp);
        images.push_back(image);
    }
    uint16_t depth = 1;
    for (TFlashImage* image : images) {
        TFlashShape* shape = movie.AddRectangle(0, 0, image->Width(), image->Height());
        shape->SetImageFill(image, TImageFillKind::Clipped);
        movie.PlaceObject(shape, depth++);
    }
    const auto summary = swf_test::saveAndCheck(movie, dir);
    for (size_t i = 0; i < sources.size(); ++i) {
        const auto* tag = summary.find(i == 4 ? 36 : 20, i == 4 ? 0 : int(i));
        ASSERT_NE(tag, nullptr) << i;
        EXPECT_EQ(tag->integer("id"), long(i + 1)) << i;
        EXPECT_EQ(tag->integer("format"), sources[i].format) << i;
        EXPECT_EQ(tag->integer("colors"), sources[i].colors) << i;
        EXPECT_EQ(tag->text("pixels"), sources[i].pixels) << i;
    }
    EXPECT_EQ(summary.find(36)->integer("notPremultiplied"), 0);
}
