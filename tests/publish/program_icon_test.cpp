// Icon files as the user picks them, and the program icon rebuilt from them: the checks on the
// icon file, the new group and icons, what is kept, and where the rebuilt resources go.

#include "publish/icon_file.h"
#include "publish/pe_layout.h"
#include "publish/program_icon.h"
#include "publish/resource_tree.h"
#include "publish/version_stamp.h"
#include "test_program.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace vantora::publish {
namespace {

using test::Bytes;
using test::ErrorOf;

ResourceNode treeOf(const Bytes& program) {
    const PeLayoutOutcome layout = ReadPeLayout(program);
    if (!layout.layout)
        throw std::runtime_error(layout.error);
    ResourceTreeOutcome tree = ReadResourceTree(program, *layout.layout);
    if (!tree.root)
        throw std::runtime_error(tree.error);
    return std::move(*tree.root);
}

// Where the test program's resource directory holds its first data entry (16 bytes, RVA then
// size): the one of the 8-byte resource in the resource section.
std::optional<std::size_t> firstDataEntry(const Bytes& program) {
    for (std::size_t at = 0x600; at < 0x800; at += 4) {
        const std::uint32_t rva = test::U32At(program, at);
        if (rva >= 0x2000 && rva < 0x3000 && test::U32At(program, at + 4) == 8)
            return at;
    }
    return std::nullopt;
}

const ResourceNode* resource(const ResourceNode& root, std::uint16_t type, const ResourceKey& name, std::uint16_t language) {
    const ResourceNode* t = root.Find(ResourceKey::Id(type));
    const ResourceNode* n = t ? t->Find(name) : nullptr;
    return n ? n->Find(ResourceKey::Id(language)) : nullptr;
}

TEST(IconFileChecks, RefusesWhatIsNoIcon) {
    const Bytes good = test::MakeIconFile({16, 32});
    EXPECT_EQ(ParseIconFile(good).images.size(), 2u);
    const auto invalid = "Resource update error: Icon file is invalid";
    EXPECT_EQ(ErrorOf([] { ParseIconFile(Bytes{0, 0, 1, 0, 1}); }), invalid); // shorter than the header
    Bytes program = good;
    program[0] = 'M';
    program[1] = 'Z';
    EXPECT_EQ(ErrorOf([&] { ParseIconFile(program); }), invalid);
    Bytes manyImages = good;
    manyImages[4] = 200; // 200 directory entries run past the end of the file
    EXPECT_EQ(ErrorOf([&] { ParseIconFile(manyImages); }), invalid);
    Bytes noImages = good;
    noImages[4] = 0;
    EXPECT_EQ(ErrorOf([&] { ParseIconFile(noImages); }), invalid);
}

TEST(IconFileChecks, ImageRangesMustFitWithoutOverflow) {
    Bytes pastEnd = test::MakeIconFile({16});
    pastEnd[6 + 8] += 1; // one byte more than the file holds
    EXPECT_EQ(ErrorOf([&] { ParseIconFile(pastEnd); }), "Resource update error: Icon file is invalid");
    Bytes wrapping = test::MakeIconFile({16});
    for (int i = 0; i < 4; ++i)
        wrapping[6 + 12 + i] = 0xFF; // offset 0xFFFFFFFF: offset + size wraps around
    EXPECT_EQ(ErrorOf([&] { ParseIconFile(wrapping); }), "Resource update error: Icon file is invalid");
    Bytes exact = test::MakeIconFile({16});
    EXPECT_EQ(ParseIconFile(exact).images[0].bytes.size(), 56u);
}

TEST(IconFileChecks, FilesAboveOneMebibyteAreTooLarge) {
    vantora::test::TempDir dir;
    Bytes icon = test::MakeIconFile({16});
    icon.resize(1048576, 0); // the largest file allowed: padding after the image
    vantora::test::writeFileBytes(dir / "max.ico", icon);
    EXPECT_EQ(ReadIconFile(dir / "max.ico").images.size(), 1u);
    icon.push_back(0);
    vantora::test::writeFileBytes(dir / "big.ico", icon);
    EXPECT_EQ(ErrorOf([&] { ReadIconFile(dir / "big.ico"); }), "Resource update error: Icon file is too large");
    EXPECT_NE(ErrorOf([&] { ReadIconFile(dir / "missing.ico"); }).find("Resource update error: "), std::string::npos);
}

TEST(IconReplacement, NewGroupListsTheIconFileImages) {
    const Bytes program = test::MakeTestProgram();
    const Bytes iconFile = test::MakeIconFile({16, 32, 48});
    const ResourceNode root = treeOf(ReplaceIconInProgram(program, ParseIconFile(iconFile)));

    const ResourceNode* group = resource(root, kGroupIconResource, ResourceKey::Name("MAINICON"), kEnglishUsLanguage);
    ASSERT_NE(group, nullptr);
    const Bytes& bytes = group->data->bytes;
    ASSERT_EQ(bytes.size(), 6u + 14 * 3);
    EXPECT_EQ(test::U16At(bytes, 2), 1); // the old group's type word
    EXPECT_EQ(test::U16At(bytes, 4), 3);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(bytes.begin() + 6 + 14 * i, bytes.begin() + 6 + 14 * i + 12, iconFile.begin() + 6 + 16 * i));
        EXPECT_EQ(test::U16At(bytes, 6 + 14 * i + 12), i + 1);
        const ResourceNode* icon = resource(root, kIconResource, ResourceKey::Id(static_cast<std::uint16_t>(i + 1)), kEnglishUsLanguage);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->data->bytes, Bytes(40 + sizes[i], static_cast<std::uint8_t>(0x40 + i)));
    }
}

TEST(IconReplacement, OldGroupAndItsIconsGoOthersStay) {
    const ResourceNode root = treeOf(ReplaceIconInProgram(test::MakeTestProgram(), ParseIconFile(test::MakeIconFile({16}))));
    EXPECT_EQ(resource(root, kGroupIconResource, ResourceKey::Name("MAINICON"), 1031), nullptr);
    EXPECT_EQ(root.Find(ResourceKey::Id(kIconResource))->Find(ResourceKey::Id(5)), nullptr);
    EXPECT_EQ(root.Find(ResourceKey::Id(kIconResource))->Find(ResourceKey::Id(6)), nullptr);
    ASSERT_NE(resource(root, kIconResource, ResourceKey::Id(40), 1033), nullptr);
    EXPECT_EQ(resource(root, kIconResource, ResourceKey::Id(40), 1033)->data->bytes, Bytes(8, 0x99));
    EXPECT_NE(resource(root, kVersionResource, ResourceKey::Id(1), 1033), nullptr);
}

TEST(IconReplacement, ProgramWithoutMainIconIsRefused) {
    test::TestProgramOptions options;
    options.withMainIcon = false;
    EXPECT_EQ(ErrorOf([&] { ReplaceIconInProgram(test::MakeTestProgram(options), ParseIconFile(test::MakeIconFile({16}))); }),
              "Resource update error: FindResource failed (1)");
    EXPECT_EQ(ErrorOf([&] { ReplaceIconInProgram(Bytes{'M', 'Z'}, ParseIconFile(test::MakeIconFile({16}))); }),
              "Resource update error: LoadLibraryEx failed (1)");
}

struct Placement {
    const char* name;
    test::TestProgramOptions options;
    std::vector<int> sizes;
    int sections;            // after the replacement
    bool resourcesMoved;     // the directory now points at a new section
};

class IconReplacementPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(IconReplacementPlacement, ResourcesStayReadableAndStampable) {
    const Placement& p = GetParam();
    const Bytes program = test::MakeTestProgram(p.options);
    Bytes stamped = ReplaceIconInProgram(program, ParseIconFile(test::MakeIconFile(p.sizes)));
    const PeLayoutOutcome layout = ReadPeLayout(stamped);
    ASSERT_TRUE(layout.layout) << layout.error;
    EXPECT_EQ(layout.layout->sections.size(), static_cast<std::size_t>(p.sections));
    EXPECT_EQ(layout.layout->resourceRva != 0x2000, p.resourcesMoved);
    const PeSection& section = layout.layout->ResourceSection();
    EXPECT_EQ(section.rawOffset % 0x200, 0u);
    EXPECT_EQ(section.rawSize % 0x200, 0u);
    EXPECT_GE(layout.layout->sizeOfImage, section.virtualAddress + section.virtualSize);
    EXPECT_EQ(layout.layout->resourceSize, section.virtualSize);
    // The other sections keep their bytes.
    EXPECT_TRUE(std::equal(program.begin() + 0x400, program.begin() + 0x600, stamped.begin() + 0x400));
    // The version resource is still found and stamped after the move.
    VersionStamp stamp;
    stamp.version = {3, 1, 4, 1};
    EXPECT_NO_THROW(StampVersionInProgram(stamped, stamp));
    const ResourceNode root = treeOf(stamped);
    EXPECT_EQ(test::U16At(resource(root, kGroupIconResource, ResourceKey::Name("MAINICON"), 1033)->data->bytes, 4),
              p.sizes.size());
}

// More icon bytes than 0x600 bytes of room hold next to the version resource.
const std::vector<int> kManyIcons = {200, 210, 220, 230, 240, 250};

test::TestProgramOptions options(bool last, std::uint32_t room) {
    test::TestProgramOptions o;
    o.resourcesLast = last;
    o.rawRoom = room;
    return o;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IconReplacementPlacement,
    ::testing::Values(Placement{"FitsInPlace", options(false, 0x1000), {16}, 3, false},
                      Placement{"LastSectionGrows", options(true, 0x600), kManyIcons, 2, false},
                      Placement{"NewSectionAfterTheLast", options(false, 0x600), kManyIcons, 4, true}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST(IconReplacementPlacementLimits, NoRoomForANewSectionHeaderIsAnError) {
    test::TestProgramOptions o = options(false, 0x600);
    o.fullSectionTable = true;
    EXPECT_EQ(ErrorOf([&] {
                  ReplaceIconInProgram(test::MakeTestProgram(o), ParseIconFile(test::MakeIconFile(kManyIcons)));
              }),
              "Resource update error: EndUpdateResource failed");
}

TEST(ResourceTreeReading, RoundTripKeepsEveryEntry) {
    const Bytes program = test::MakeTestProgram();
    const ResourceNode root = treeOf(program);
    const Bytes written = WriteResourceTree(root, 0x2000);
    Bytes again = program;
    std::fill(again.begin() + 0x600, again.begin() + 0x1600, 0);
    std::copy(written.begin(), written.end(), again.begin() + 0x600);
    const ResourceNode reread = treeOf(again);
    EXPECT_EQ(WriteResourceTree(reread, 0x2000), written);
    ASSERT_NE(reread.Find(ResourceKey::Id(kGroupIconResource)), nullptr);
    EXPECT_NE(reread.Find(ResourceKey::Id(kGroupIconResource))->Find(ResourceKey::Name("mainicon")), nullptr);
}

TEST(ResourceTreeReading, LoopingOrSharedDirectoriesAreRefused) {
    Bytes program = test::MakeTestProgram();
    // Point the root's first entry back at the root itself.
    const std::size_t entry = 0x600 + 16;
    program[entry + 4] = 0;
    program[entry + 5] = 0;
    program[entry + 6] = 0;
    program[entry + 7] = 0x80;
    const PeLayoutOutcome layout = ReadPeLayout(program);
    ASSERT_TRUE(layout.layout);
    const ResourceTreeOutcome tree = ReadResourceTree(program, *layout.layout);
    EXPECT_FALSE(tree.root);
    EXPECT_FALSE(tree.error.empty());
}

TEST(ResourceTreeReading, DataOutsideTheSectionsIsRefused) {
    Bytes program = test::MakeTestProgram();
    const PeLayoutOutcome layout = ReadPeLayout(program);
    const ResourceTreeOutcome tree = ReadResourceTree(program, *layout.layout);
    ASSERT_TRUE(tree.root);
    // Send the first data entry past the image.
    const std::optional<std::size_t> entry = firstDataEntry(program);
    ASSERT_TRUE(entry);
    program[*entry + 2] = 0x70; // RVA 0x70xxxx
    EXPECT_FALSE(ReadResourceTree(program, *layout.layout).root);
}

} // namespace
} // namespace vantora::publish

namespace vantora::publish {
namespace {

TEST(ResourceTreeReadingLimits, DataInASectionThatClaimsMoreThanTheFileIsRefused) {
    test::Bytes program = test::MakeTestProgram();
    // The first section (".text", raw data at 0x400) claims 64 KiB; the resource data is made to
    // point into its part beyond the end of the file.
    const std::size_t text = 0x178;
    program[text + 16] = 0;
    program[text + 17] = 0;
    program[text + 18] = 1; // raw size 0x10000
    const PeLayoutOutcome layout = ReadPeLayout(program);
    ASSERT_TRUE(layout.layout) << layout.error;
    EXPECT_FALSE(layout.layout->FileOffsetOf(0x1000 + 0xF000, 16));
    EXPECT_TRUE(layout.layout->FileOffsetOf(0x1000, 16));
    const std::optional<std::size_t> entry = firstDataEntry(program);
    ASSERT_TRUE(entry);
    program[*entry] = 0;
    program[*entry + 1] = 0xF0;
    program[*entry + 2] = 0; // RVA 0xF000: inside .text's claimed raw data, past the file's end
    EXPECT_FALSE(ReadResourceTree(program, *layout.layout).root);
}

} // namespace
} // namespace vantora::publish

namespace vantora::publish {
namespace {

TEST(IconReplacementPlacementLimits, NewSectionStartsAfterAnEmptySectionAtTheImageEnd) {
    test::TestProgramOptions o;
    o.resourcesLast = false;
    o.rawRoom = 0x600;
    test::Bytes program = test::MakeTestProgram(o);
    // The third section (".reloc") becomes an empty one far up in memory (found by fuzzing).
    const std::size_t reloc = 0x178 + 2 * 40;
    for (std::size_t field : {8u, 16u, 20u})
        for (int i = 0; i < 4; ++i)
            program[reloc + field + i] = 0;
    program[reloc + 12 + 3] = 0x31; // virtual address 0x31000000
    const test::Bytes stamped = ReplaceIconInProgram(program, ParseIconFile(test::MakeIconFile(kManyIcons)));
    const PeLayoutOutcome layout = ReadPeLayout(stamped);
    ASSERT_TRUE(layout.layout) << layout.error;
    EXPECT_GT(layout.layout->resourceRva, 0x31000000u);
    EXPECT_TRUE(ReadResourceTree(stamped, *layout.layout).root);
}

} // namespace
} // namespace vantora::publish
