#include "publish/resource_section.h"

#include "publish/byte_access.h"
#include "publish/resource_update_error.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vantora::publish {
namespace {

constexpr std::uint32_t kInitialisedReadableData = 0x40000040u;

bool powerOfTwoUpTo(std::uint32_t value, std::uint32_t limit) { return value != 0 && value <= limit && (value & (value - 1)) == 0; }

std::uint64_t alignUp(std::uint64_t value, std::uint32_t alignment) {
    if (alignment == 0)
        return value;
    return (value + alignment - 1) / alignment * alignment;
}

// Where the next section after `section` starts in memory, or the end of addressable space.
std::uint64_t nextVirtualAddress(const PeLayout& layout, const PeSection& section) {
    std::uint64_t next = std::numeric_limits<std::uint32_t>::max();
    for (const PeSection& other : layout.sections)
        if (other.virtualAddress > section.virtualAddress)
            next = std::min<std::uint64_t>(next, other.virtualAddress);
    return next;
}

bool isLastInFile(const PeLayout& layout, const PeSection& section, std::size_t fileSize) {
    if (std::uint64_t{section.rawOffset} + section.rawSize != fileSize)
        return false;
    return std::all_of(layout.sections.begin(), layout.sections.end(), [&](const PeSection& other) {
        return other.virtualAddress <= section.virtualAddress;
    });
}

// The end of the image in memory: past every section.
std::uint64_t imageEnd(const PeLayout& layout) {
    std::uint64_t end = layout.sizeOfImage;
    for (const PeSection& section : layout.sections)
        // A section of no size still takes its address: the new one must start after it.
        end = std::max(end, alignUp(std::uint64_t{section.virtualAddress} +
                                        std::max({section.virtualSize, section.rawSize, std::uint32_t{1}}),
                                    layout.sectionAlignment));
    return end;
}

void setResourceDirectory(std::vector<std::uint8_t>& file, const PeLayout& layout, std::uint32_t rva, std::uint32_t size) {
    PutU32(file, layout.optionalHeaderOffset + kResourceDirectoryField, rva);
    PutU32(file, layout.optionalHeaderOffset + kResourceDirectoryField + 4, size);
}

void writeSectionHeader(std::vector<std::uint8_t>& file, std::uint32_t at, const PeSection& section) {
    PutU32(file, at + 8, section.virtualSize);
    PutU32(file, at + 12, section.virtualAddress);
    PutU32(file, at + 16, section.rawSize);
    PutU32(file, at + 20, section.rawOffset);
    PutU32(file, at + 36, section.characteristics);
}

void updateImageSize(std::vector<std::uint8_t>& file, const PeLayout& layout, std::uint64_t end) {
    PutU32(file, layout.optionalHeaderOffset + kSizeOfImageField, static_cast<std::uint32_t>(end));
}

// The new bytes over the old raw data, the rest of it zeroed.
void replaceInPlace(std::vector<std::uint8_t>& file, const PeLayout& layout, const std::vector<std::uint8_t>& bytes) {
    PeSection section = layout.ResourceSection();
    std::fill_n(file.begin() + section.rawOffset, section.rawSize, 0);
    std::copy(bytes.begin(), bytes.end(), file.begin() + section.rawOffset);
    section.virtualSize = static_cast<std::uint32_t>(bytes.size());
    writeSectionHeader(file, section.headerOffset, section);
    setResourceDirectory(file, layout, section.virtualAddress, section.virtualSize);
}

// The last section grows (or shrinks) to the new data.
void resizeLastSection(std::vector<std::uint8_t>& file, const PeLayout& layout, const std::vector<std::uint8_t>& bytes) {
    PeSection section = layout.ResourceSection();
    section.virtualSize = static_cast<std::uint32_t>(bytes.size());
    section.rawSize = static_cast<std::uint32_t>(alignUp(bytes.size(), layout.fileAlignment));
    file.resize(section.rawOffset);
    file.insert(file.end(), bytes.begin(), bytes.end());
    file.resize(std::uint64_t{section.rawOffset} + section.rawSize, 0);
    writeSectionHeader(file, section.headerOffset, section);
    setResourceDirectory(file, layout, section.virtualAddress, section.virtualSize);
    updateImageSize(file, layout, alignUp(std::uint64_t{section.virtualAddress} + section.virtualSize, layout.sectionAlignment));
}

// A free slot in the section table: inside the headers, before any section's data, all zero.
bool hasFreeSectionSlot(const std::vector<std::uint8_t>& file, const PeLayout& layout) {
    const std::uint64_t slot = layout.sectionTableOffset + std::uint64_t{kSectionHeaderSize} * layout.sections.size();
    std::uint64_t limit = layout.sizeOfHeaders;
    for (const PeSection& section : layout.sections)
        if (section.rawSize != 0)
            limit = std::min<std::uint64_t>(limit, section.rawOffset);
    if (slot + kSectionHeaderSize > limit || slot + kSectionHeaderSize > file.size())
        return false;
    return std::all_of(file.begin() + slot, file.begin() + slot + kSectionHeaderSize, [](std::uint8_t b) { return b == 0; });
}

void appendSection(std::vector<std::uint8_t>& file, const PeLayout& layout, const ResourceNode& tree) {
    if (!hasFreeSectionSlot(file, layout) || layout.sections.size() >= 96)
        throw ResourceUpdateError("EndUpdateResource failed");
    const std::uint64_t rva = alignUp(imageEnd(layout), layout.sectionAlignment);
    const std::uint64_t rawOffset = alignUp(file.size(), layout.fileAlignment);
    if (rva > std::numeric_limits<std::uint32_t>::max() / 2 || rawOffset > std::numeric_limits<std::uint32_t>::max() / 2)
        throw ResourceUpdateError("EndUpdateResource failed");
    const std::vector<std::uint8_t> bytes = WriteResourceTree(tree, static_cast<std::uint32_t>(rva));

    PeSection section;
    section.headerOffset = layout.sectionTableOffset + kSectionHeaderSize * static_cast<std::uint32_t>(layout.sections.size());
    section.virtualAddress = static_cast<std::uint32_t>(rva);
    section.virtualSize = static_cast<std::uint32_t>(bytes.size());
    section.rawOffset = static_cast<std::uint32_t>(rawOffset);
    section.rawSize = static_cast<std::uint32_t>(alignUp(bytes.size(), layout.fileAlignment));
    section.characteristics = kInitialisedReadableData;
    file.resize(rawOffset, 0);
    file.insert(file.end(), bytes.begin(), bytes.end());
    file.resize(rawOffset + section.rawSize, 0);

    // The old section keeps its bytes under another name, so that tools looking for ".rsrc" by
    // name find the live one.
    std::memcpy(file.data() + layout.ResourceSection().headerOffset, ".oldrsrc", 8);
    std::memcpy(file.data() + section.headerOffset, ".rsrc\0\0\0", 8);
    writeSectionHeader(file, section.headerOffset, section);
    PutU16(file, layout.coffHeaderOffset + kNumberOfSectionsField, static_cast<std::uint16_t>(layout.sections.size() + 1));
    setResourceDirectory(file, layout, section.virtualAddress, section.virtualSize);
    updateImageSize(file, layout, alignUp(rva + section.virtualSize, layout.sectionAlignment));
}

} // namespace

void ReplaceResourceSection(std::vector<std::uint8_t>& file, const PeLayout& layout, const ResourceNode& tree) {
    // Alignments outside what the format allows would make the file grow without bound.
    if (!powerOfTwoUpTo(layout.fileAlignment, 65536) || !powerOfTwoUpTo(layout.sectionAlignment, 1u << 24))
        throw ResourceUpdateError("EndUpdateResource failed");
    const PeSection& section = layout.ResourceSection();
    const std::vector<std::uint8_t> bytes = WriteResourceTree(tree, section.virtualAddress);
    const std::uint64_t room = nextVirtualAddress(layout, section) - section.virtualAddress;
    if (bytes.size() <= section.rawSize && bytes.size() <= room)
        replaceInPlace(file, layout, bytes);
    else if (isLastInFile(layout, section, file.size()) && std::uint64_t{section.virtualAddress} + bytes.size() < 0x7FFFFFFFu)
        resizeLastSection(file, layout, bytes);
    else
        appendSection(file, layout, tree);
}

} // namespace vantora::publish
