// The video options: formats by extension, sizes and the fitted picture, the frame rate used.

#include "publish/video/video_options.h"

#include <gtest/gtest.h>

namespace vantora::video {
namespace {

TEST(VideoOptions, FormatComesFromTheExtension) {
    EXPECT_EQ(FormatOfFile("a/tour.mp4"), VideoFormat::Mp4);
    EXPECT_EQ(FormatOfFile("TOUR.WebM"), VideoFormat::WebM);
    EXPECT_EQ(FormatOfFile("tour.GIF"), VideoFormat::Gif);
    for (const char* other : {"tour.avi", "tour", "mp4", "tour.mp4.txt", ".gif/tour"})
        EXPECT_EQ(FormatOfFile(other), std::nullopt) << other;
}

TEST(VideoOptions, SizeTextIsWidthByHeightWithinBounds) {
    EXPECT_EQ(ParseVideoSize("640x480"), (VideoSize{640, 480}));
    EXPECT_EQ(ParseVideoSize("2X7680"), (VideoSize{2, 7680}));
    for (const char* bad : {"640", "640x", "x480", "1x480", "640x7681", "-640x480", "640x480x2", "64 0x480", ""})
        EXPECT_EQ(ParseVideoSize(bad), std::nullopt) << bad;
}

struct FitCase {
    VideoSize stage;
    std::optional<VideoSize> box;
    VideoSize fitted;
};

TEST(VideoOptions, FittedSizeKeepsTheAspectWithEvenSides) {
    const FitCase cases[] = {
        {{800, 520}, std::nullopt, {800, 520}},
        {{801, 521}, std::nullopt, {802, 522}},       // odd sides rounded to even
        {{800, 520}, VideoSize{400, 400}, {400, 260}}, // the width limits
        {{800, 520}, VideoSize{1600, 260}, {400, 260}},  // the height limits
        {{800, 600}, VideoSize{1920, 1080}, {1440, 1080}}, // scaled up into the box
        {{1, 1}, VideoSize{3, 3}, {2, 2}},               // never below 2, never beyond the box
        {{10000, 100}, std::nullopt, {7680, 76}},         // a huge stage is brought within bounds
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(FittedSize(c.stage, c.box), c.fitted) << c.stage.width << "x" << c.stage.height;
}

TEST(VideoOptions, RateIsTheOptionElseTenForGifElseTheMovies) {
    VideoOptions options;
    EXPECT_EQ(RateOf(options, 24), 24);
    EXPECT_EQ(RateOf(options, 0), 12); // a movie without a usable rate
    options.format = VideoFormat::Gif;
    EXPECT_EQ(RateOf(options, 24), 10);
    options.rate = 5;
    EXPECT_EQ(RateOf(options, 24), 5);
}

} // namespace
} // namespace vantora::video
