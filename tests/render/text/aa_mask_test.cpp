// Coverage masks: storage layout, row access and the reduction of supersampled drawings.

#include "render/text/aa_downsample.h"
#include "render/text/aa_error.h"
#include "render/text/aa_mask.h"
#include "render/text/aa_work_bitmap.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantora {
namespace {

TEST(AAMaskLayout, StrideIsWidthRoundedUpToFour) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 4}, {3, 4}, {4, 4}, {5, 8}, {13, 16}};
    for (auto [width, stride] : cases) {
        TAAMask mask(width, 2);
        EXPECT_EQ(mask.Stride(), stride) << "width " << width;
        EXPECT_EQ(mask.Width(), width);
    }
}

TEST(AAMaskLayout, RowsAreStoredBottomUp) {
    TAAMask mask(6, 3);
    EXPECT_EQ(mask.ScanLine(0) - mask.ScanLine(1), mask.Stride());
    EXPECT_EQ(mask.ScanLine(0) - mask.ScanLine(2), 2 * mask.Stride());
}

TEST(AAMaskLayout, ResizingClearsAndNegativeSizesAreEmpty) {
    TAAMask mask(4, 4);
    mask.Fill(200);
    mask.SetSize(3, 2);
    EXPECT_EQ(mask.Value(2, 1), 0);
    mask.SetSize(-5, 7);
    EXPECT_TRUE(mask.Empty());
    EXPECT_EQ(mask.Width(), 0);
}

TEST(AAMaskRows, RowOutsideTheMaskRaisesInvalidLine) {
    TAAMask mask(5, 3);
    for (int row : {-1, 3, 1000}) {
        try {
            mask.ScanLine(row);
            FAIL() << "row " << row << " was accepted";
        } catch (const TAAError& error) {
            EXPECT_STREQ(error.what(), "Invalid line!");
        }
    }
    const TAAMask& constant = mask;
    EXPECT_THROW(constant.ScanLine(-1), TAAError);
    EXPECT_NO_THROW(mask.ScanLine(0));
    EXPECT_NO_THROW(mask.ScanLine(2));
    EXPECT_THROW(TAAMask().ScanLine(0), TAAError);
}

QImage Grey(int width, int height, uchar value = 0) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(value);
    return image;
}

TEST(AADownsample, FactorThreeWeighsTheCornersHalf) {
    // One block of 3 x 3; weights 1 1 1/2 / 1 1 1 / 1/2 1 1, divided by 8.
    TAAMask mask(1, 1);
    QImage full = Grey(3, 3, 255);
    DownsampleToMask(full, 3, mask);
    EXPECT_EQ(mask.Value(0, 0), 255);

    QImage halfCorner = Grey(3, 3);
    halfCorner.scanLine(0)[2] = 255; // weight 1/2: 255 / 16
    DownsampleToMask(halfCorner, 3, mask);
    EXPECT_EQ(mask.Value(0, 0), 15);

    QImage fullCorner = Grey(3, 3);
    fullCorner.scanLine(0)[0] = 255; // weight 1: 255 / 8
    DownsampleToMask(fullCorner, 3, mask);
    EXPECT_EQ(mask.Value(0, 0), 31);

    QImage otherHalf = Grey(3, 3);
    otherHalf.scanLine(2)[0] = 255;
    DownsampleToMask(otherHalf, 3, mask);
    EXPECT_EQ(mask.Value(0, 0), 15);
}

TEST(AADownsample, FactorsFourTwoAndOneTakeMeansAndCopies) {
    TAAMask mask(2, 1);
    QImage four = Grey(8, 4);
    four.scanLine(0)[0] = 255; // 1 of 16 pixels of the first block
    for (int y = 0; y < 4; ++y) {
        for (int x = 4; x < 8; ++x) {
            four.scanLine(y)[x] = 255;
        }
    }
    DownsampleToMask(four, 4, mask);
    EXPECT_EQ(mask.Value(0, 0), 15);
    EXPECT_EQ(mask.Value(1, 0), 255);

    QImage two = Grey(4, 2);
    two.scanLine(1)[1] = 200;
    two.scanLine(0)[2] = 100;
    two.scanLine(1)[3] = 100;
    DownsampleToMask(two, 2, mask);
    EXPECT_EQ(mask.Value(0, 0), 50);
    EXPECT_EQ(mask.Value(1, 0), 50);

    QImage one = Grey(2, 1);
    one.scanLine(0)[1] = 77;
    DownsampleToMask(one, 1, mask);
    EXPECT_EQ(mask.Value(1, 0), 77);
}

TEST(AADownsample, ReadsOnlyTheTopLeftPartOfALargerDrawing) {
    QImage drawing = Grey(30, 30, 255);
    TAAMask mask(2, 2);
    DownsampleToMask(drawing, 3, mask);
    EXPECT_EQ(mask.Value(1, 1), 255);
    EXPECT_THROW(DownsampleToMask(Grey(5, 6), 3, mask), std::invalid_argument);
}

TEST(AAWorkBitmap, SmallerSizesReuseTheStorage) {
    TAAWorkBitmap bitmap(QImage::Format_Grayscale8);
    QImage& first = bitmap.Resize(90, 30);
    EXPECT_EQ(first.size(), QSize(90, 30));
    EXPECT_EQ(first.format(), QImage::Format_Grayscale8);
    const std::uint8_t* storage = bitmap.Storage();
    QImage& second = bitmap.Resize(41, 17);
    EXPECT_EQ(second.size(), QSize(41, 17));
    EXPECT_EQ(bitmap.Storage(), storage) << "no new allocation for a smaller line";
    EXPECT_EQ(second.constBits(), storage);
    EXPECT_EQ(second.bytesPerLine() % 4, 0);
    second.fill(7);
    EXPECT_EQ(second.constScanLine(16)[40], 7);
}

TEST(AAWorkBitmap, HugeStorageIsLetGoOfAfterwards) {
    TAAWorkBitmap bitmap(QImage::Format_RGB32);
    bitmap.Resize(2000, 1000);
    EXPECT_GE(bitmap.StorageBytes(), 8000000u);
    QImage& small = bitmap.Resize(100, 20);
    EXPECT_EQ(bitmap.StorageBytes(), 8000u);
    small.fill(qRgb(1, 2, 3));
    EXPECT_EQ(small.pixel(99, 19), qRgb(1, 2, 3));
}

} // namespace
} // namespace vantora
