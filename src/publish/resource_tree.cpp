#include "publish/resource_tree.h"

#include "publish/byte_access.h"

#include <algorithm>
#include <deque>
#include <set>

namespace vantora::publish {
namespace {

constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;
constexpr int kMaxDepth = 3;        // type, name, language
constexpr std::uint32_t kDirectoryHeader = 16;
constexpr std::uint32_t kEntrySize = 8;
constexpr std::uint32_t kDataEntrySize = 16;

char16_t upperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

class TreeReader {
public:
    TreeReader(std::span<const std::uint8_t> file, const PeLayout& layout)
        : file_(file), layout_(layout), section_(layout.ResourceSection()),
          section_bytes_(file.subspan(section_.rawOffset, section_.rawSize)),
          dataBudget_(std::uint64_t{4} * file.size()) {}

    bool readDirectory(std::uint32_t offset, int depth, ResourceNode& node) {
        if (depth > kMaxDepth)
            return fail("the resource tree is nested too deeply");
        if (!visited_.insert(offset).second)
            return fail("the resource tree shares a directory");
        const auto characteristics = ReadU32(section_bytes_, offset);
        const auto stamp = ReadU32(section_bytes_, offset + 4);
        const auto major = ReadU16(section_bytes_, offset + 8);
        const auto minor = ReadU16(section_bytes_, offset + 10);
        const auto named = ReadU16(section_bytes_, offset + 12);
        const auto ids = ReadU16(section_bytes_, offset + 14);
        if (!characteristics || !stamp || !major || !minor || !named || !ids)
            return fail("a resource directory lies outside the section");
        node.characteristics = *characteristics;
        node.timeDateStamp = *stamp;
        node.majorVersion = *major;
        node.minorVersion = *minor;
        const std::uint32_t count = std::uint32_t{*named} + *ids;
        if (!RangeInside(std::uint64_t{offset} + kDirectoryHeader, std::uint64_t{count} * kEntrySize, section_bytes_.size()))
            return fail("a resource directory lies outside the section");
        for (std::uint32_t i = 0; i < count; ++i)
            if (!readEntry(offset + kDirectoryHeader + i * kEntrySize, depth, node))
                return false;
        return true;
    }

    const std::string& error() const { return error_; }

private:
    bool fail(std::string text) {
        error_ = std::move(text);
        return false;
    }

    bool readEntry(std::uint32_t entryOffset, int depth, ResourceNode& parent) {
        const std::uint32_t nameField = *ReadU32(section_bytes_, entryOffset);
        const std::uint32_t target = *ReadU32(section_bytes_, entryOffset + 4);
        ResourceKey key;
        if (nameField & kSubdirectoryFlag) {
            if (!readName(nameField & ~kSubdirectoryFlag, key))
                return false;
        } else {
            key = ResourceKey::Id(static_cast<std::uint16_t>(nameField));
        }
        ResourceNode child;
        const bool read = (target & kSubdirectoryFlag) ? readDirectory(target & ~kSubdirectoryFlag, depth + 1, child)
                                                       : readData(target, child);
        if (!read)
            return false;
        parent.children[std::move(key)] = std::move(child);
        return true;
    }

    bool readName(std::uint32_t offset, ResourceKey& key) {
        const auto length = ReadU16(section_bytes_, offset);
        if (!length || !RangeInside(std::uint64_t{offset} + 2, std::uint64_t{*length} * 2, section_bytes_.size()))
            return fail("a resource name lies outside the section");
        key.named = true;
        for (std::uint16_t i = 0; i < *length; ++i)
            key.name.push_back(static_cast<char16_t>(*ReadU16(section_bytes_, offset + 2 + 2u * i)));
        return true;
    }

    bool readData(std::uint32_t offset, ResourceNode& node) {
        if (!visited_.insert(offset).second)
            return fail("the resource tree shares a data entry");
        const auto rva = ReadU32(section_bytes_, offset);
        const auto size = ReadU32(section_bytes_, offset + 4);
        const auto codePage = ReadU32(section_bytes_, offset + 8);
        if (!rva || !size || !codePage || !RangeInside(offset, kDataEntrySize, section_bytes_.size()))
            return fail("a resource data entry lies outside the section");
        const auto fileOffset = layout_.FileOffsetOf(*rva, *size);
        if (!fileOffset)
            return fail("resource data lies outside the program's sections");
        if (*size > dataBudget_)
            return fail("the resources hold more data than the file");
        dataBudget_ -= *size;
        ResourceData data;
        data.codePage = *codePage;
        data.bytes.assign(file_.begin() + *fileOffset, file_.begin() + *fileOffset + *size);
        node.data = std::move(data);
        return true;
    }

    std::span<const std::uint8_t> file_;
    const PeLayout& layout_;
    const PeSection& section_;
    std::span<const std::uint8_t> section_bytes_;
    std::uint64_t dataBudget_;
    std::set<std::uint32_t> visited_;
    std::string error_;
};

// Where each part of the new section goes, computed before anything is written.
struct SectionPlan {
    std::vector<const ResourceNode*> directories; // breadth-first
    std::map<const ResourceNode*, std::uint32_t> directoryOffset;
    std::vector<const ResourceKey*> names;
    std::map<const ResourceKey*, std::uint32_t> nameOffset;
    std::vector<const ResourceNode*> leaves;
    std::map<const ResourceNode*, std::uint32_t> dataEntryOffset;
    std::map<const ResourceNode*, std::uint32_t> dataOffset;
    std::uint32_t size = 0;
};

std::uint32_t alignUp(std::uint32_t value, std::uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

SectionPlan planSection(const ResourceNode& root) {
    SectionPlan plan;
    std::deque<const ResourceNode*> queue{&root};
    std::uint32_t position = 0;
    while (!queue.empty()) {
        const ResourceNode* node = queue.front();
        queue.pop_front();
        plan.directories.push_back(node);
        plan.directoryOffset[node] = position;
        position += kDirectoryHeader + kEntrySize * static_cast<std::uint32_t>(node->children.size());
        for (const auto& [key, child] : node->children) {
            if (key.named)
                plan.names.push_back(&key);
            if (child.data)
                plan.leaves.push_back(&child);
            else
                queue.push_back(&child);
        }
    }
    for (const ResourceKey* name : plan.names) {
        plan.nameOffset[name] = position;
        position += 2 + 2 * static_cast<std::uint32_t>(name->name.size());
    }
    position = alignUp(position, 4);
    for (const ResourceNode* leaf : plan.leaves) {
        plan.dataEntryOffset[leaf] = position;
        position += kDataEntrySize;
    }
    for (const ResourceNode* leaf : plan.leaves) {
        position = alignUp(position, 8);
        plan.dataOffset[leaf] = position;
        position += static_cast<std::uint32_t>(leaf->data->bytes.size());
    }
    plan.size = alignUp(position, 8);
    return plan;
}

void writeDirectory(const ResourceNode& node, const SectionPlan& plan, std::span<std::uint8_t> out) {
    std::uint32_t at = plan.directoryOffset.at(&node);
    const auto namedCount = std::count_if(node.children.begin(), node.children.end(), [](const auto& c) { return c.first.named; });
    PutU32(out, at, node.characteristics);
    PutU32(out, at + 4, node.timeDateStamp);
    PutU16(out, at + 8, node.majorVersion);
    PutU16(out, at + 10, node.minorVersion);
    PutU16(out, at + 12, static_cast<std::uint16_t>(namedCount));
    PutU16(out, at + 14, static_cast<std::uint16_t>(node.children.size() - namedCount));
    at += kDirectoryHeader;
    for (const auto& [key, child] : node.children) {
        PutU32(out, at, key.named ? (plan.nameOffset.at(&key) | kSubdirectoryFlag) : key.id);
        PutU32(out, at + 4, child.data ? plan.dataEntryOffset.at(&child) : (plan.directoryOffset.at(&child) | kSubdirectoryFlag));
        at += kEntrySize;
    }
}

} // namespace

ResourceKey ResourceKey::Name(std::string_view ascii) {
    ResourceKey key;
    key.named = true;
    key.name.assign(ascii.begin(), ascii.end());
    return key;
}

bool ResourceKey::operator<(const ResourceKey& other) const {
    if (named != other.named)
        return named; // names first
    if (!named)
        return id < other.id;
    return std::lexicographical_compare(name.begin(), name.end(), other.name.begin(), other.name.end(),
                                        [](char16_t a, char16_t b) { return upperAscii(a) < upperAscii(b); });
}

ResourceNode* ResourceNode::Find(const ResourceKey& key) {
    const auto found = children.find(key);
    return found == children.end() ? nullptr : &found->second;
}

const ResourceNode* ResourceNode::Find(const ResourceKey& key) const {
    const auto found = children.find(key);
    return found == children.end() ? nullptr : &found->second;
}

ResourceTreeOutcome ReadResourceTree(std::span<const std::uint8_t> file, const PeLayout& layout) {
    TreeReader reader(file, layout);
    ResourceNode root;
    if (!reader.readDirectory(0, 0, root))
        return {std::nullopt, reader.error()};
    return {std::move(root), {}};
}

std::vector<std::uint8_t> WriteResourceTree(const ResourceNode& root, std::uint32_t sectionRva) {
    const SectionPlan plan = planSection(root);
    std::vector<std::uint8_t> out(plan.size, 0);
    for (const ResourceNode* directory : plan.directories)
        writeDirectory(*directory, plan, out);
    for (const ResourceKey* name : plan.names) {
        std::uint32_t at = plan.nameOffset.at(name);
        PutU16(out, at, static_cast<std::uint16_t>(name->name.size()));
        for (char16_t c : name->name)
            PutU16(out, at += 2, static_cast<std::uint16_t>(c));
    }
    for (const ResourceNode* leaf : plan.leaves) {
        const std::uint32_t entry = plan.dataEntryOffset.at(leaf);
        const std::uint32_t data = plan.dataOffset.at(leaf);
        PutU32(out, entry, sectionRva + data);
        PutU32(out, entry + 4, static_cast<std::uint32_t>(leaf->data->bytes.size()));
        PutU32(out, entry + 8, leaf->data->codePage);
        std::copy(leaf->data->bytes.begin(), leaf->data->bytes.end(), out.begin() + data);
    }
    return out;
}

} // namespace vantora::publish
