// The capture tool's argument: sixteen digits, four per number.

#include "capture_arguments.h"

#include <gtest/gtest.h>

namespace vantora::grabbit {
namespace {

TEST(CaptureArguments, SixteenDigitsGiveModeSizeAndFlag) {
    std::string error;
    const std::optional<CaptureArguments> scenes = ParseCaptureArguments("0000064004800000", error);
    ASSERT_TRUE(scenes) << error;
    EXPECT_EQ(scenes->mode, 0);
    EXPECT_EQ(scenes->width, 640);
    EXPECT_EQ(scenes->height, 480);
    EXPECT_EQ(scenes->flag, 0);
    EXPECT_FALSE(scenes->singleShot());

    const std::optional<CaptureArguments> picture = ParseCaptureArguments("0001999900010001", error);
    ASSERT_TRUE(picture) << error;
    EXPECT_TRUE(picture->singleShot());
    EXPECT_EQ(picture->width, 9999);
    EXPECT_EQ(picture->height, 1);
    EXPECT_EQ(picture->flag, 1);
}

TEST(CaptureArguments, AnythingElseIsRefusedWithAReason) {
    for (const char* bad : {"", "000006400480000", "00000640048000000", "0000 64004800000", "000006400480000x",
                            "-000064004800000", "0002064004800000", "9999064004800000"}) {
        std::string error;
        EXPECT_FALSE(ParseCaptureArguments(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    std::string error;
    ParseCaptureArguments("0002064004800000", error);
    EXPECT_NE(error.find("mode 2"), std::string::npos) << error;
}

} // namespace
} // namespace vantora::grabbit
