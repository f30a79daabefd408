#include "publish/program_icon.h"

#include "base/safe_file.h"
#include "publish/byte_access.h"
#include "publish/pe_layout.h"
#include "publish/resource_section.h"
#include "publish/resource_tree.h"
#include "publish/resource_update_error.h"

namespace vantora::publish {
namespace {

constexpr std::uint32_t kGroupHeaderSize = 6;
constexpr std::uint32_t kGroupEntrySize = 14;

// The group's first language, or null.
std::pair<const ResourceKey, ResourceNode>* firstLanguage(ResourceNode& name) {
    for (auto& language : name.children)
        if (language.second.data)
            return &language;
    return nullptr;
}

// Removes the data of `type`/`name` in `language`, and the nodes that become empty.
void removeResource(ResourceNode& root, const ResourceKey& type, const ResourceKey& name, const ResourceKey& language) {
    ResourceNode* typeNode = root.Find(type);
    ResourceNode* nameNode = typeNode ? typeNode->Find(name) : nullptr;
    if (!nameNode)
        return;
    nameNode->children.erase(language);
    if (nameNode->children.empty())
        typeNode->children.erase(name);
    if (typeNode->children.empty())
        root.children.erase(type);
}

void addResource(ResourceNode& root, const ResourceKey& type, const ResourceKey& name, std::vector<std::uint8_t> bytes) {
    ResourceNode& leaf = root.children[type].children[name].children[ResourceKey::Id(kEnglishUsLanguage)];
    leaf.children.clear();
    leaf.data = ResourceData{std::move(bytes), 0};
}

std::vector<std::uint8_t> newGroup(std::uint16_t reserved, std::uint16_t type, const IconFile& icon) {
    std::vector<std::uint8_t> group;
    AppendU16(group, reserved);
    AppendU16(group, type);
    AppendU16(group, static_cast<std::uint16_t>(icon.images.size()));
    for (std::size_t i = 0; i < icon.images.size(); ++i) {
        group.insert(group.end(), icon.images[i].entry.begin(), icon.images[i].entry.end());
        AppendU16(group, static_cast<std::uint16_t>(i + 1));
    }
    return group;
}

} // namespace

std::vector<std::uint8_t> ReplaceIconInProgram(std::span<const std::uint8_t> program, const IconFile& icon) {
    const PeLayoutOutcome layout = ReadPeLayout(program);
    if (!layout.layout)
        throw ResourceUpdateError("LoadLibraryEx failed (1)");
    ResourceTreeOutcome tree = ReadResourceTree(program, *layout.layout);
    if (!tree.root)
        throw ResourceUpdateError("LoadLibraryEx failed (1)");
    ResourceNode& root = *tree.root;
    const ResourceKey groupType = ResourceKey::Id(kGroupIconResource);
    const ResourceKey iconType = ResourceKey::Id(kIconResource);
    const ResourceKey mainIcon = ResourceKey::Name("MAINICON");

    ResourceNode* groups = root.Find(groupType);
    ResourceNode* group = groups ? groups->Find(mainIcon) : nullptr;
    if (!group)
        throw ResourceUpdateError("FindResource failed (1)");
    auto* language = firstLanguage(*group);
    if (!language)
        throw ResourceUpdateError("GetResourceLanguage failed (1)");
    const std::vector<std::uint8_t> oldGroup = language->second.data->bytes;
    const auto count = ReadU16(oldGroup, 4);
    if (!count || !RangeInside(kGroupHeaderSize, std::uint64_t{*count} * kGroupEntrySize, oldGroup.size()))
        throw ResourceUpdateError("LockResource failed (1)");
    const ResourceKey oldLanguage = language->first;

    removeResource(root, groupType, mainIcon, oldLanguage);
    for (std::uint16_t i = 0; i < *count; ++i) {
        const ResourceKey iconId = ResourceKey::Id(*ReadU16(oldGroup, kGroupHeaderSize + i * kGroupEntrySize + 12));
        ResourceNode* types = root.Find(iconType);
        ResourceNode* oldIcon = types ? types->Find(iconId) : nullptr;
        // An icon the group lists but the file lacks has nothing left to delete.
        if (auto* iconLanguage = oldIcon ? firstLanguage(*oldIcon) : nullptr)
            removeResource(root, iconType, iconId, ResourceKey(iconLanguage->first));
    }
    for (std::size_t i = 0; i < icon.images.size(); ++i)
        addResource(root, iconType, ResourceKey::Id(static_cast<std::uint16_t>(i + 1)), icon.images[i].bytes);
    addResource(root, groupType, mainIcon, newGroup(*ReadU16(oldGroup, 0), *ReadU16(oldGroup, 2), icon));

    std::vector<std::uint8_t> result(program.begin(), program.end());
    ReplaceResourceSection(result, *layout.layout, root);
    return result;
}

void ReplaceProgramIcon(const std::filesystem::path& program, const std::filesystem::path& iconFile) {
    const IconFile icon = ReadIconFile(iconFile);
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(program, kMaxProgramFileSize, bytes);
    if (!read.ok())
        throw ResourceUpdateError::FromSystem("BeginUpdateResource failed (1)", read.systemError);
    const std::vector<std::uint8_t> stamped = ReplaceIconInProgram(bytes, icon);
    const FileWriteOutcome written = WriteFileSafely(program, stamped);
    if (!written.ok())
        throw ResourceUpdateError::FromSystem("EndUpdateResource failed", written.systemError);
}

} // namespace vantora::publish
