#include "swf/control_tags.h"
#include "swf/tag_object.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

using namespace swf;
using swf_test::Bytes;

namespace {

// A raw tag with a body of `length` bytes 0xAB.
class FixedBodyTag : public TSWFObject {
public:
    FixedBodyTag(uint16_t code, size_t length) : TSWFObject(code), length_(length) {}
    void WriteTagBody(TBitsEngine& be) override {
        for (size_t i = 0; i < length_; ++i)
            be.WriteByte(0xAB);
    }

private:
    size_t length_;
};

} // namespace

struct HeaderCase {
    const char* name;
    uint16_t code;
    size_t bodyLength;
    size_t headerLength;
};

class TagHeaderForms : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(TagHeaderForms, ChooseShortOrLongHeader) {
    const HeaderCase c = GetParam();
    FixedBodyTag tag(c.code, c.bodyLength);
    const Bytes b = swf_test::tagBytes(tag);
    ASSERT_EQ(b.size(), c.headerLength + c.bodyLength);
    const uint16_t word = uint16_t(b[0] | b[1] << 8);
    EXPECT_EQ(word >> 6, c.code);
    if (c.headerLength == 2) {
        EXPECT_EQ(word & 63, c.bodyLength);
    } else {
        EXPECT_EQ(word & 63, 63);
        EXPECT_EQ(uint32_t(b[2] | b[3] << 8 | b[4] << 16 | b[5] << 24), c.bodyLength);
    }
    EXPECT_EQ(tag.BodyLength(), int32_t(c.bodyLength));
    EXPECT_EQ(b.back(), c.bodyLength ? 0xAB : b.back());
}

INSTANTIATE_TEST_SUITE_P(Table, TagHeaderForms,
                         ::testing::Values(HeaderCase{"Empty", 9, 0, 2}, HeaderCase{"SixtyTwo", 9, 62, 2},
                                           HeaderCase{"SixtyThree", 9, 63, 6}, HeaderCase{"Large", 22, 70000, 6},
                                           HeaderCase{"LosslessSmall", 20, 10, 6}, HeaderCase{"Lossless2Small", 36, 10, 6},
                                           HeaderCase{"VideoStreamSmall", 60, 3, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TagHeaders, EndAndShowFrameAreBareWords) {
    TSWFEnd end;
    TSWFShowFrame show;
    EXPECT_EQ(swf_test::tagBytes(end), (Bytes{0x00, 0x00}));
    EXPECT_EQ(swf_test::tagBytes(show), (Bytes{0x40, 0x00}));
}

TEST(TagHeaders, TagsFollowEachOtherInOneBuffer) {
    Bytes out;
    TBitsEngine be(out);
    FixedBodyTag a(9, 3);
    FixedBodyTag b(9, 100);
    TSWFShowFrame c;
    a.WriteToStream(be);
    b.WriteToStream(be);
    c.WriteToStream(be);
    ASSERT_EQ(out.size(), 5u + 106u + 2u);
    EXPECT_EQ(out[0], 0x43);
    EXPECT_EQ(out[5], 0x7F);
    EXPECT_EQ(out[111], 0x40);
}

TEST(ControlTags, BodiesAndVersions) {
    TSWFRemoveObject remove(3, 7);
    EXPECT_EQ(swf_test::tagBytes(remove), (Bytes{0x44, 0x01, 3, 0, 7, 0}));
    TSWFRemoveObject2 remove2(7);
    EXPECT_EQ(swf_test::tagBytes(remove2), (Bytes{0x02, 0x07, 7, 0}));
    EXPECT_EQ(remove2.MinVersion(), 3);
    TSWFFrameLabel label("go", false);
    EXPECT_EQ(swf_test::tagBytes(label), (Bytes{0xC3, 0x0A, 'g', 'o', 0}));
    EXPECT_EQ(label.MinVersion(), 3);
    TSWFFrameLabel anchor("go", true);
    EXPECT_EQ(swf_test::tagBytes(anchor), (Bytes{0xC4, 0x0A, 'g', 'o', 0, 1}));
    EXPECT_EQ(anchor.MinVersion(), 6);
    TSWFSetBackgroundColor background(TSWFRGB(1, 2, 3));
    EXPECT_EQ(swf_test::tagBytes(background), (Bytes{0x43, 0x02, 1, 2, 3}));
}
