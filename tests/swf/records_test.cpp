#include "swf/colors.h"
#include "swf/records.h"

#include <gtest/gtest.h>

using namespace swf;

TEST(Records, RectSettersKeepItNormalised) {
    TSWFRect r(10, 20, 0, 5);
    EXPECT_EQ(r.XMin(), 0);
    EXPECT_EQ(r.XMax(), 10);
    EXPECT_EQ(r.YMin(), 5);
    EXPECT_EQ(r.YMax(), 20);
    r.SetXMin(50);
    EXPECT_EQ(r.XMin(), 10);
    EXPECT_EQ(r.XMax(), 50);
    r.SetYMax(-1);
    EXPECT_EQ(r.YMin(), -1);
    EXPECT_EQ(r.YMax(), 5);
    EXPECT_EQ(TSWFRect::FromTRect({5, 6, 1, 2}), TSWFRect(1, 2, 5, 6));
}

TEST(Records, RgbaAlphaFlagFollowsAlpha) {
    TSWFRGBA c = TSWFRGBA::FromPacked(0xFF030201u);
    EXPECT_FALSE(c.HasAlpha());
    EXPECT_EQ(c.Red, 1);
    EXPECT_EQ(c.Blue, 3);
    c.SetAlpha(128);
    EXPECT_TRUE(c.HasAlpha());
    EXPECT_EQ(c.Packed(), 0x80030201u);
    c.SetHasAlpha(false);
    EXPECT_EQ(c.Alpha(), 255);
    EXPECT_EQ(TSWFRGBA(TSWFRGB(1, 2, 3)).Alpha(), 255);
}

TEST(Records, RotateOfAFreshMatrix) {
    TSWFMatrix m;
    m.SetRotate(90);
    EXPECT_TRUE(m.HasScale);
    EXPECT_TRUE(m.HasRotate);
    EXPECT_EQ(m.ScaleX, 0); // Trunc(cos 90 * 65536) = 0
    EXPECT_EQ(m.RotateSkew0, -65536);
    EXPECT_EQ(m.RotateSkew1, 65536);
    TSWFMatrix s;
    s.SetScale(2.0, 0.5);
    s.SetRotate(180);
    EXPECT_EQ(s.ScaleX, -131072);
    EXPECT_EQ(s.ScaleY, -32768);
    EXPECT_EQ(TSWFMatrix::ToFixed(-0.5), -32768);
    EXPECT_EQ(TSWFMatrix::ToFixed(1.99999999), 131071);
}

TEST(Records, ColorTransformClampsAndRaisesFlags) {
    TSWFColorTransform t;
    EXPECT_FALSE(t.HasAdd());
    t.SetAddR(300);
    EXPECT_EQ(t.AddR(), 255);
    EXPECT_TRUE(t.HasAdd());
    EXPECT_FALSE(t.HasAlpha());
    t.SetAddG(-999);
    EXPECT_EQ(t.AddG(), -255);
    t.SetMultB(400);
    EXPECT_EQ(t.MultB(), 256);
    t.SetMultA(-3);
    EXPECT_EQ(t.MultA(), 0);
    EXPECT_TRUE(t.HasMult());
    EXPECT_TRUE(t.HasAlpha());
}

TEST(Colors, SystemColoursResolveAndPlainColoursPass) {
    EXPECT_EQ(SWFRGB(0x00332211u), TSWFRGB(0x11, 0x22, 0x33));
    EXPECT_EQ(SWFRGB(0x80000005u), TSWFRGB(255, 255, 255)); // window background
    EXPECT_EQ(SWFRGB(0x8000000Fu), TSWFRGB(0xF0, 0xF0, 0xF0)); // button face
    EXPECT_EQ(SWFRGB(0xFF00000Du), TSWFRGB(0x00, 0x78, 0xD7)); // highlight, negative form
    EXPECT_EQ(SWFRGBA(0x00332211u, 0x80), 0x80332211u);
}
