#include "test_program.h"

#include "publish/byte_access.h"
#include "publish/resource_tree.h"
#include "publish/resource_update_error.h"

#include <stdexcept>

namespace vantora::publish::test {
namespace {

void align4(Bytes& out) {
    while (out.size() % 4)
        out.push_back(0);
}

// One version block: header, key, value, children; its length filled in at the end.
Bytes block(const std::string& key, std::uint16_t type, const Bytes& value, std::uint16_t valueLength,
            const std::vector<Bytes>& children) {
    Bytes out;
    AppendU16(out, 0);
    AppendU16(out, valueLength);
    AppendU16(out, type);
    for (char c : key)
        AppendU16(out, static_cast<std::uint8_t>(c));
    AppendU16(out, 0);
    align4(out);
    out.insert(out.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        align4(out);
        out.insert(out.end(), child.begin(), child.end());
    }
    PutU16(out, 0, static_cast<std::uint16_t>(out.size()));
    return out;
}

Bytes utf16WithTerminator(const std::string& text) {
    Bytes out;
    for (char c : text)
        AppendU16(out, static_cast<std::uint8_t>(c));
    AppendU16(out, 0);
    return out;
}

constexpr std::uint32_t kPeOffset = 0x80;
constexpr std::uint32_t kOptional = kPeOffset + 24;
constexpr std::uint32_t kSectionTable = kOptional + 224;

void section(Bytes& file, int index, const char* name, std::uint32_t vsize, std::uint32_t rva, std::uint32_t rawSize,
             std::uint32_t rawOffset) {
    const std::size_t at = kSectionTable + 40 * index;
    for (int i = 0; i < 8 && name[i]; ++i)
        file[at + i] = static_cast<std::uint8_t>(name[i]);
    PutU32(file, at + 8, vsize);
    PutU32(file, at + 12, rva);
    PutU32(file, at + 16, rawSize);
    PutU32(file, at + 20, rawOffset);
    PutU32(file, at + 36, 0x40000040u);
}

ResourceNode leaf(Bytes bytes) {
    ResourceNode node;
    node.data = ResourceData{std::move(bytes), 0};
    return node;
}

} // namespace

Bytes MakeVersionResource(const std::vector<std::pair<std::string, std::string>>& strings, std::uint32_t signature) {
    std::vector<Bytes> values;
    for (const auto& [key, value] : strings)
        values.push_back(block(key, 1, utf16WithTerminator(value), static_cast<std::uint16_t>(value.size() + 1), {}));
    const Bytes table = block("040904e4", 1, {}, 0, values);
    const Bytes stringInfo = block("StringFileInfo", 1, {}, 0, {table});
    Bytes translation;
    AppendU16(translation, 0x409);
    AppendU16(translation, 1252);
    const Bytes var = block("VarFileInfo", 1, {}, 0, {block("Translation", 0, translation, 4, {})});
    Bytes fixed;
    AppendU32(fixed, signature);
    AppendU32(fixed, 0x00010000u); // structure version
    for (int i = 0; i < 11; ++i)
        AppendU32(fixed, i < 4 ? 0x00050006u : 0); // versions 5.6.5.6, then flags and types
    return block("VS_VERSION_INFO", 0, fixed, 52, {stringInfo, var});
}

std::vector<std::pair<std::string, std::string>> PlaceholderStrings() {
    return {{"CompanyName", std::string(100, 'C')},
            {"FileDescription", std::string(100, 'D')},
            {"FileVersion", std::string(23, 'V')},
            {"LegalCopyright", std::string(100, 'L')}};
}

Bytes MakeTestProgram(const TestProgramOptions& options) {
    const std::uint32_t rsrcRva = 0x2000;
    const std::uint32_t rsrcRaw = 0x600;
    // The resources: an old icon group listing icons 5 and 6, the version resource.
    ResourceNode root;
    if (options.withMainIcon) {
        Bytes group;
        AppendU16(group, 0);
        AppendU16(group, 1);
        AppendU16(group, 2);
        for (std::uint16_t id : {5, 6}) {
            for (std::uint8_t b : {16, 16, 0, 0})
                group.push_back(b);
            AppendU16(group, 1);
            AppendU16(group, 32);
            AppendU32(group, 8);
            AppendU16(group, id);
        }
        root.children[ResourceKey::Id(kGroupIconResource)].children[ResourceKey::Name("MAINICON")].children
            [ResourceKey::Id(options.iconLanguage)] = leaf(group);
        for (std::uint16_t id : {5, 6})
            root.children[ResourceKey::Id(kIconResource)].children[ResourceKey::Id(id)].children
                [ResourceKey::Id(options.iconLanguage)] = leaf(Bytes(8, static_cast<std::uint8_t>(id)));
    }
    // An unrelated icon the replacement must keep.
    root.children[ResourceKey::Id(kIconResource)].children[ResourceKey::Id(40)].children[ResourceKey::Id(1033)] =
        leaf(Bytes(8, 0x99));
    root.children[ResourceKey::Id(kVersionResource)].children[ResourceKey::Id(1)].children[ResourceKey::Id(1033)] =
        leaf(options.version);
    const Bytes resources = WriteResourceTree(root, rsrcRva);
    if (resources.size() > options.rawRoom)
        throw std::logic_error("test program: resources larger than their room");

    const int sectionCount = options.resourcesLast ? 2 : 3;
    const std::uint32_t rsrcSpan = (options.rawRoom + 0xFFF) & ~0xFFFu;
    const std::uint32_t relocRva = rsrcRva + rsrcSpan;
    Bytes file(rsrcRaw + options.rawRoom + (options.resourcesLast ? 0 : 0x200), 0);
    file[0] = 'M';
    file[1] = 'Z';
    PutU32(file, 60, kPeOffset);
    file[kPeOffset] = 'P';
    file[kPeOffset + 1] = 'E';
    PutU16(file, kPeOffset + 4, 0x14C);
    PutU16(file, kPeOffset + 6, static_cast<std::uint16_t>(sectionCount));
    PutU16(file, kPeOffset + 20, 224);
    PutU16(file, kPeOffset + 22, 0x102);
    PutU16(file, kOptional, 267);
    PutU32(file, kOptional + 32, 0x1000);
    PutU32(file, kOptional + 36, 0x200);
    PutU32(file, kOptional + 56, (options.resourcesLast ? relocRva : relocRva + 0x1000));
    const std::uint32_t headers = options.fullSectionTable ? kSectionTable + 40 * sectionCount : 0x400;
    PutU32(file, kOptional + 60, headers);
    PutU32(file, kOptional + 92, 16);
    PutU32(file, kOptional + 112, rsrcRva);
    PutU32(file, kOptional + 116, static_cast<std::uint32_t>(resources.size()));
    section(file, 0, ".text", 0x100, 0x1000, 0x200, 0x400);
    section(file, 1, ".rsrc", static_cast<std::uint32_t>(resources.size()), rsrcRva, options.rawRoom, rsrcRaw);
    if (!options.resourcesLast)
        section(file, 2, ".reloc", 0x10, relocRva, 0x200, rsrcRaw + options.rawRoom);
    if (options.fullSectionTable) // the first section's data starts right after the table
        PutU32(file, kSectionTable + 20, headers);
    std::copy(resources.begin(), resources.end(), file.begin() + rsrcRaw);
    return file;
}

Bytes MakeIconFile(const std::vector<int>& sizes, std::uint8_t fill, std::size_t extraBytes) {
    Bytes out;
    AppendU16(out, 0);
    AppendU16(out, 1);
    AppendU16(out, static_cast<std::uint16_t>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    std::vector<Bytes> images;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        images.emplace_back(40 + sizes[i] + extraBytes, static_cast<std::uint8_t>(fill + i));
        out.push_back(static_cast<std::uint8_t>(sizes[i]));
        out.push_back(static_cast<std::uint8_t>(sizes[i]));
        out.push_back(0);
        out.push_back(0);
        AppendU16(out, 1);
        AppendU16(out, 32);
        AppendU32(out, static_cast<std::uint32_t>(images.back().size()));
        AppendU32(out, offset);
        offset += static_cast<std::uint32_t>(images.back().size());
    }
    for (const Bytes& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

std::uint16_t U16At(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
    return U16At(bytes, offset) | (static_cast<std::uint32_t>(U16At(bytes, offset + 2)) << 16);
}

std::string ErrorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const ResourceUpdateError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace vantora::publish::test
