#include "publish/version_stamp.h"

#include "base/safe_file.h"
#include "base/windows1252.h"
#include "publish/byte_access.h"
#include "publish/pe_layout.h"
#include "publish/program_icon.h"
#include "publish/resource_update_error.h"
#include "publish/version_block.h"

#include <array>

namespace vantora::publish {
namespace {

constexpr std::uint32_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BDu;
constexpr std::size_t kFileVersionWidth = 23;

[[noreturn]] void fail(const char* message) { throw ResourceUpdateError(message); }

// The text as UTF-16 units, by way of the ANSI code page, so that characters it cannot hold
// become "?" exactly as in the project files.
std::u16string toUtf16ViaAnsi(const std::string& text) {
    const std::string utf8 = AnsiToUtf8(Utf8ToAnsi(text));
    std::u16string units;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2; // Windows-1252 stays in the BMP
        char32_t c = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        units.push_back(static_cast<char16_t>(c));
        i += 1 + extra;
    }
    return units;
}

// Writes `text` over the value of `block` from its first character; the value's length (without
// its terminator) is the room, and nothing after the text is touched.
void overwriteValue(std::span<std::uint8_t> resource, const VersionBlock& block, const std::string& text) {
    std::uint32_t room = block.valueLength;
    if (room > 0 && *ReadU16(resource, block.valueOffset + 2 * (room - 1)) == 0)
        --room;
    const std::u16string units = toUtf16ViaAnsi(text);
    for (std::size_t i = 0; i < units.size() && i < room; ++i)
        PutU16(resource, block.valueOffset + 2 * static_cast<std::uint32_t>(i), static_cast<std::uint16_t>(units[i]));
}

VersionBlock findString(std::span<const std::uint8_t> resource, const VersionBlock& table, std::string_view key) {
    const auto block = FindVersionChild(resource, table, key);
    if (!block || block->type != 1)
        fail("Unexpected version resource format (1)");
    return *block;
}

// The resource's bytes inside the program, found by reading the file's own structures.
std::span<std::uint8_t> locateVersionResource(std::span<std::uint8_t> program) {
    const PeLayoutOutcome outcome = ReadPeLayout(program);
    if (!outcome.layout)
        throw ResourceUpdateError(outcome.error);
    const PeLayout& layout = *outcome.layout;
    const PeSection& section = layout.ResourceSection();
    const std::span<const std::uint8_t> raw(program.data() + section.rawOffset, section.rawSize);

    // Root: identifier entries of type 16, then identifier 1, then the first language.
    auto findId = [&](std::uint32_t directory, std::uint16_t id, const char* error) -> std::uint32_t {
        const auto named = ReadU16(raw, directory + 12);
        const auto ids = ReadU16(raw, directory + 14);
        if (!named || !ids)
            fail(error);
        for (std::uint32_t i = 0; i < *ids; ++i) {
            const std::uint32_t entry = directory + 16 + 8 * (std::uint32_t{*named} + i);
            const auto name = ReadU32(raw, entry);
            const auto target = ReadU32(raw, entry + 4);
            if (!name || !target)
                fail(error);
            if (*name == id && (*target & 0x80000000u))
                return *target & 0x7FFFFFFFu;
        }
        fail(error);
    };
    const std::uint32_t names = findId(0, 16, "Can't find resource (1)");
    const std::uint32_t languages = findId(names, 1, "Can't find resource (2)");
    const auto named = ReadU16(raw, languages + 12);
    const auto ids = ReadU16(raw, languages + 14);
    const auto firstTarget = ReadU32(raw, languages + 20);
    if (!named || !ids || std::uint32_t{*named} + *ids == 0 || !firstTarget || (*firstTarget & 0x80000000u))
        fail("Can't find resource (3).");
    const auto rva = ReadU32(raw, *firstTarget);
    const auto size = ReadU32(raw, *firstTarget + 4);
    if (!rva || !size)
        fail("Can't find resource (3).");
    if (*rva < section.virtualAddress || *rva - section.virtualAddress >= section.rawSize)
        fail("Invalid resource (1)");
    const std::uint32_t within = *rva - section.virtualAddress;
    if (!RangeInside(within, *size, section.rawSize))
        fail("Invalid resource (2)");
    return program.subspan(section.rawOffset + within, *size);
}

} // namespace

std::string PadWithSpaces(const std::string& text, std::size_t width) {
    const std::size_t length = Utf8ToAnsi(text).size();
    return length >= width ? text : text + std::string(width - length, ' ');
}

std::string FileVersionText(const FileVersionNumbers& version) {
    std::string text = std::to_string(version.major);
    for (std::uint16_t part : {version.minor, version.release, version.build}) {
        text += '.';
        text += std::to_string(part);
    }
    return PadWithSpaces(text, kFileVersionWidth);
}

void StampVersionResource(std::span<std::uint8_t> resource, const VersionStamp& stamp) {
    const auto root = ReadVersionBlock(resource, 0, static_cast<std::uint32_t>(resource.size()));
    if (!root || !VersionKeyIs(resource, *root, "VS_VERSION_INFO"))
        fail("Unexpected version resource format (1)");
    const auto strings = FindVersionChild(resource, *root, "StringFileInfo");
    const auto table = strings ? FindVersionChild(resource, *strings, "040904e4") : std::nullopt;
    if (!table)
        fail("Unexpected version resource format (1)");
    const std::array<std::pair<std::string_view, std::string>, 4> values = {{
        {"CompanyName", stamp.companyName},
        {"FileDescription", stamp.fileDescription},
        {"FileVersion", FileVersionText(stamp.version)},
        {"LegalCopyright", stamp.legalCopyright},
    }};
    // Every value is found before anything is written, so a resource missing one stays as it was.
    std::array<VersionBlock, 4> blocks;
    for (std::size_t i = 0; i < values.size(); ++i)
        blocks[i] = findString(resource, *table, values[i].first);

    if (root->type != 0 || root->valueLength < kFixedInfoSize)
        fail("Unexpected version resource format (2)");
    if (*ReadU32(resource, root->valueOffset) != kFixedInfoSignature)
        fail("Unexpected version resource format (3)");
    for (std::size_t i = 0; i < values.size(); ++i)
        overwriteValue(resource, blocks[i], values[i].second);
    const FileVersionNumbers& v = stamp.version;
    PutU32(resource, root->valueOffset + 8, (std::uint32_t{v.major} << 16) | v.minor);
    PutU32(resource, root->valueOffset + 12, (std::uint32_t{v.release} << 16) | v.build);
}

void StampVersionInProgram(std::span<std::uint8_t> program, const VersionStamp& stamp) {
    StampVersionResource(locateVersionResource(program), stamp);
}

void StampVersionInformation(const std::filesystem::path& program, const VersionStamp& stamp) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(program, kMaxProgramFileSize, bytes);
    if (!read.ok())
        throw ResourceUpdateError::FromSystem("Cannot open the program file", read.systemError);
    StampVersionInProgram(bytes, stamp);
    const FileWriteOutcome written = WriteFileSafely(program, bytes);
    if (!written.ok())
        throw ResourceUpdateError::FromSystem("Cannot write the program file", written.systemError);
}

} // namespace vantora::publish
