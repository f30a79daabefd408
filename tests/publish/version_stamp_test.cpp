// Version stamping of program files: where the resource is found, how the texts and the fixed
// file version are written, and the designed errors in the order the file is checked.

#include "publish/pe_layout.h"
#include "publish/version_block.h"
#include "publish/version_stamp.h"
#include "test_program.h"

#include <gtest/gtest.h>

#include <functional>

namespace vantora::publish {
namespace {

using test::Bytes;
using test::ErrorOf;

// The text of the value `key` of the string table, read back from the resource.
std::string valueOf(const Bytes& resource, const std::string& key) {
    const auto root = ReadVersionBlock(resource, 0, static_cast<std::uint32_t>(resource.size()));
    const auto strings = FindVersionChild(resource, *root, "StringFileInfo");
    const auto table = FindVersionChild(resource, *strings, "040904e4");
    const auto value = FindVersionChild(resource, *table, key);
    if (!value)
        return "<missing>";
    std::string text;
    for (std::uint16_t i = 0; i < value->valueLength; ++i) {
        const std::uint16_t c = test::U16At(resource, value->valueOffset + 2 * i);
        if (c == 0)
            break;
        text += c < 0x80 ? static_cast<char>(c) : '#';
    }
    return text;
}

VersionStamp sampleStamp() {
    VersionStamp stamp;
    stamp.companyName = PadWithSpaces("Acme", 100);
    stamp.fileDescription = PadWithSpaces("Tour", 100);
    stamp.legalCopyright = PadWithSpaces("(c) 2026", 100);
    stamp.version = {1, 0, 0, 0};
    return stamp;
}

TEST(VersionStampTexts, VersionTextIsPaddedTo23Characters) {
    EXPECT_EQ(FileVersionText({1, 0, 0, 0}), "1.0.0.0" + std::string(16, ' '));
    EXPECT_EQ(FileVersionText({9999, 9999, 9999, 9999}), "9999.9999.9999.9999    ");
    EXPECT_EQ(PadWithSpaces("", 3), "   ");
    // Padding counts characters of the ANSI code page, not UTF-8 bytes.
    EXPECT_EQ(PadWithSpaces("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(PadWithSpaces("longer", 3), "longer");
}

TEST(VersionStamp, WritesTextsAndFileVersionInPlace) {
    Bytes resource = test::MakeVersionResource(test::PlaceholderStrings());
    const std::size_t size = resource.size();
    StampVersionResource(resource, sampleStamp());
    EXPECT_EQ(resource.size(), size);
    EXPECT_EQ(valueOf(resource, "CompanyName"), PadWithSpaces("Acme", 100));
    EXPECT_EQ(valueOf(resource, "FileDescription"), PadWithSpaces("Tour", 100));
    EXPECT_EQ(valueOf(resource, "LegalCopyright"), PadWithSpaces("(c) 2026", 100));
    EXPECT_EQ(valueOf(resource, "FileVersion"), "1.0.0.0" + std::string(16, ' '));
    // Fixed file information: signature, structure version, then file version MS and LS.
    const auto root = ReadVersionBlock(resource, 0, static_cast<std::uint32_t>(size));
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 8), 0x00010000u);
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 12), 0x00000000u);
    // The product version stays.
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 16), 0x00050006u);
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 20), 0x00050006u);
}

TEST(VersionStamp, FileVersionWordsCarryAllFourNumbers) {
    Bytes resource = test::MakeVersionResource(test::PlaceholderStrings());
    VersionStamp stamp = sampleStamp();
    stamp.version = {2, 3, 4, 9999};
    StampVersionResource(resource, stamp);
    const auto root = ReadVersionBlock(resource, 0, static_cast<std::uint32_t>(resource.size()));
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 8), 0x00020003u);
    EXPECT_EQ(test::U32At(resource, root->valueOffset + 12), 0x0004270Fu);
    EXPECT_EQ(valueOf(resource, "FileVersion"), "2.3.4.9999             ");
}

TEST(VersionStamp, PlaceholderLongerThanTextKeepsItsTail) {
    auto strings = test::PlaceholderStrings();
    strings[0].second = std::string(120, 'C');
    Bytes resource = test::MakeVersionResource(strings);
    StampVersionResource(resource, sampleStamp());
    EXPECT_EQ(valueOf(resource, "CompanyName"), PadWithSpaces("Acme", 100) + std::string(20, 'C'));
}

TEST(VersionStamp, TextLongerThanPlaceholderIsCutAndNeighboursStay) {
    auto strings = test::PlaceholderStrings();
    strings[0].second = std::string(10, 'C');
    Bytes resource = test::MakeVersionResource(strings);
    StampVersionResource(resource, sampleStamp());
    EXPECT_EQ(valueOf(resource, "CompanyName"), "Acme      ");
    EXPECT_EQ(valueOf(resource, "FileDescription"), PadWithSpaces("Tour", 100));
}

TEST(VersionStamp, KeysCompareIgnoringAsciiCase) {
    auto strings = test::PlaceholderStrings();
    strings[0].first = "COMPANYNAME";
    strings[3].first = "legalcopyright";
    Bytes resource = test::MakeVersionResource(strings);
    StampVersionResource(resource, sampleStamp());
    EXPECT_EQ(valueOf(resource, "CompanyName"), PadWithSpaces("Acme", 100));
    EXPECT_EQ(valueOf(resource, "LegalCopyright"), PadWithSpaces("(c) 2026", 100));
}

TEST(VersionStamp, TextsGoThroughTheAnsiCodePage) {
    Bytes resource = test::MakeVersionResource(test::PlaceholderStrings());
    VersionStamp stamp = sampleStamp();
    stamp.companyName = PadWithSpaces("\xE2\x82\xAC \xE4\xB8\xAD", 100); // euro sign, then a character 1252 lacks
    StampVersionResource(resource, stamp);
    const auto root = ReadVersionBlock(resource, 0, static_cast<std::uint32_t>(resource.size()));
    const auto table = FindVersionChild(resource, *FindVersionChild(resource, *root, "StringFileInfo"), "040904e4");
    const auto company = FindVersionChild(resource, *table, "CompanyName");
    EXPECT_EQ(test::U16At(resource, company->valueOffset), 0x20AC);
    EXPECT_EQ(test::U16At(resource, company->valueOffset + 2), ' ');
    EXPECT_EQ(test::U16At(resource, company->valueOffset + 4), '?');
}

TEST(VersionStampErrors, MissingValueOrTableIsAnUnexpectedFormatAndChangesNothing) {
    auto strings = test::PlaceholderStrings();
    strings.pop_back(); // no LegalCopyright
    Bytes resource = test::MakeVersionResource(strings);
    const Bytes before = resource;
    EXPECT_EQ(ErrorOf([&] { StampVersionResource(resource, sampleStamp()); }),
              "Resource update error: Unexpected version resource format (1)");
    EXPECT_EQ(resource, before);
    Bytes empty(4, 0);
    EXPECT_EQ(ErrorOf([&] { StampVersionResource(empty, sampleStamp()); }),
              "Resource update error: Unexpected version resource format (1)");
}

TEST(VersionStampErrors, WrongSignatureIsRefused) {
    Bytes resource = test::MakeVersionResource(test::PlaceholderStrings(), 0x12345678u);
    EXPECT_EQ(ErrorOf([&] { StampVersionResource(resource, sampleStamp()); }),
              "Resource update error: Unexpected version resource format (3)");
}

TEST(VersionStampInProgram, FindsTheResourceThroughTheFileStructures) {
    Bytes program = test::MakeTestProgram();
    StampVersionInProgram(program, sampleStamp());
    const PeLayoutOutcome layout = ReadPeLayout(program);
    ASSERT_TRUE(layout.layout) << layout.error;
    // The stamped texts are in the file now, as UTF-16.
    std::u16string acme = u"Acme    ";
    const Bytes needle(reinterpret_cast<const std::uint8_t*>(acme.data()),
                       reinterpret_cast<const std::uint8_t*>(acme.data() + acme.size()));
    EXPECT_NE(std::search(program.begin(), program.end(), needle.begin(), needle.end()), program.end());
}

struct LayoutCase {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* error;
};

class PeLayoutErrors : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PeLayoutErrors, EachRuleHasItsOwnText) {
    Bytes program = test::MakeTestProgram();
    GetParam().damage(program);
    EXPECT_EQ(ErrorOf([&] { StampVersionInProgram(program, sampleStamp()); }),
              std::string("Resource update error: ") + GetParam().error);
}

void set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PeLayoutErrors,
    ::testing::Values(
        LayoutCase{"NotMZ", [](Bytes& b) { b[0] = 'X'; }, "File isn't an EXE file (1)"},
        LayoutCase{"Empty", [](Bytes& b) { b.resize(1); }, "File isn't an EXE file (1)"},
        LayoutCase{"NoNewHeader", [](Bytes& b) { set32(b, 60, 0); }, "File isn't a PE file (1)"},
        LayoutCase{"NewHeaderPastEnd", [](Bytes& b) { set32(b, 60, 0x7FFFFFF0u); }, "File isn't a PE file (2)"},
        LayoutCase{"NoPESignature", [](Bytes& b) { b[0x81] = 'X'; }, "File isn't a PE file (2)"},
        LayoutCase{"Pe32PlusHeaderSize", [](Bytes& b) { b[0x80 + 20] = 240; }, "File isn't a PE file (3)"},
        LayoutCase{"Pe32PlusMagic", [](Bytes& b) { b[0x98] = 0x0B; b[0x99] = 0x02; }, "File isn't a PE file (4)"},
        LayoutCase{"NoResourceDirectory", [](Bytes& b) { set32(b, 0x98 + 112, 0); }, "No resources (1)"},
        LayoutCase{"NoResourceSize", [](Bytes& b) { set32(b, 0x98 + 116, 0); }, "No resources (1)"},
        LayoutCase{"ResourcesNotAtASectionStart", [](Bytes& b) { set32(b, 0x98 + 112, 0x2010); }, "No resources (2)"},
        LayoutCase{"ResourceSectionWithoutData", [](Bytes& b) { set32(b, 0x178 + 40 + 16, 0); }, "No resources (2)"},
        LayoutCase{"ResourceDataPastFileEnd", [](Bytes& b) { b.resize(0x700); }, "No resources (2)"},
        LayoutCase{"NoVersionResource", [](Bytes& b) { b[0x600 + 16 + 8 * 2] = 17; }, "Can't find resource (1)"}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantora::publish
