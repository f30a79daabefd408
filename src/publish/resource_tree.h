#pragma once
// A program file's resources as a tree (type, then name, then language, then the data), read out
// of the resource section and written back as a fresh section. Reading checks every offset and
// refuses trees that share or loop their directories, so a damaged file cannot make it run long
// or allocate without bound.

#include "publish/pe_layout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish {

// A directory entry's key: a number, or a name (UTF-16). Names come before numbers, names in
// case-insensitive order, numbers ascending: the order the system's binary search expects.
struct ResourceKey {
    bool named = false;
    std::uint16_t id = 0;
    std::u16string name;

    static ResourceKey Id(std::uint16_t id) { return {false, id, {}}; }
    static ResourceKey Name(std::string_view ascii);
    bool operator<(const ResourceKey& other) const;
};

struct ResourceData {
    std::vector<std::uint8_t> bytes;
    std::uint32_t codePage = 0;
};

struct ResourceNode {
    // A directory's header fields, kept as found.
    std::uint32_t characteristics = 0;
    std::uint32_t timeDateStamp = 0;
    std::uint16_t majorVersion = 0;
    std::uint16_t minorVersion = 0;
    std::map<ResourceKey, ResourceNode> children;
    std::optional<ResourceData> data; // set on leaves, which have no children

    // The child at `key`, or null.
    ResourceNode* Find(const ResourceKey& key);
    const ResourceNode* Find(const ResourceKey& key) const;
};

struct ResourceTreeOutcome {
    std::optional<ResourceNode> root;
    std::string error;
};

// Reads the tree starting at the layout's resource directory. Data may lie anywhere in the
// program's sections.
ResourceTreeOutcome ReadResourceTree(std::span<const std::uint8_t> file, const PeLayout& layout);

// The tree as the bytes of a resource section placed at `sectionRva`: directories, names, data
// entries, then the data, each blob aligned to 8 bytes.
std::vector<std::uint8_t> WriteResourceTree(const ResourceNode& root, std::uint32_t sectionRva);

// Standard resource types.
inline constexpr std::uint16_t kIconResource = 3;
inline constexpr std::uint16_t kGroupIconResource = 14;
inline constexpr std::uint16_t kVersionResource = 16;
inline constexpr std::uint16_t kEnglishUsLanguage = 1033;

} // namespace vantora::publish
