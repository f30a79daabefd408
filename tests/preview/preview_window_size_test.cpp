// The size the "Flash Player" window opens at: the designed minimum for small movies, room for
// a larger movie and its controls, the screen's free area as the bound, absurd sizes in range.
#include "preview/preview_window_size.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using vantora::PreviewWindowSize;

constexpr QSize kControls(0, 56);
constexpr QSize kLargeScreen(1920, 1040);

TEST(PreviewWindowSize, SmallMoviesOpenAtTheDesignedMinimum) {
    EXPECT_EQ(PreviewWindowSize({200, 100}, kControls, kLargeScreen), QSize(800, 600));
    EXPECT_EQ(PreviewWindowSize({0, 0}, kControls, kLargeScreen), QSize(800, 600));
    EXPECT_EQ(PreviewWindowSize({-5, -5}, kControls, kLargeScreen), QSize(800, 600));
}

TEST(PreviewWindowSize, LargerMoviesGetRoomForTheControlsToo) {
    EXPECT_EQ(PreviewWindowSize({800, 600}, kControls, kLargeScreen), QSize(800, 656));
    EXPECT_EQ(PreviewWindowSize({1024, 768}, kControls, kLargeScreen), QSize(1024, 824));
    EXPECT_EQ(PreviewWindowSize({801, 544}, kControls, kLargeScreen), QSize(801, 600));
    EXPECT_EQ(PreviewWindowSize({801, 545}, kControls, kLargeScreen), QSize(801, 601));
}

TEST(PreviewWindowSize, TheScreensFreeAreaBoundsEachSide) {
    EXPECT_EQ(PreviewWindowSize({2000, 1500}, kControls, kLargeScreen), kLargeScreen);
    EXPECT_EQ(PreviewWindowSize({1000, 300}, kControls, {900, 1000}), QSize(900, 600));
    // A screen below the minimum bounds the minimum too.
    EXPECT_EQ(PreviewWindowSize({200, 100}, kControls, {640, 480}), QSize(640, 480));
    // An unknown screen bounds nothing.
    EXPECT_EQ(PreviewWindowSize({2000, 1500}, kControls, {}), QSize(2000, 1556));
}

TEST(PreviewWindowSize, AbsurdSizesStayInRange) {
    const QSize huge = PreviewWindowSize({INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, {});
    EXPECT_GT(huge.width(), 0);
    EXPECT_GT(huge.height(), 0);
    EXPECT_EQ(PreviewWindowSize({INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, kLargeScreen), kLargeScreen);
}

} // namespace
