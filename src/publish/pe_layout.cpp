#include "publish/pe_layout.h"

#include "publish/byte_access.h"

namespace vantora::publish {
namespace {

constexpr std::uint32_t kNewHeaderOffsetField = 60;
constexpr std::uint16_t kPe32OptionalHeaderSize = 224;
constexpr std::uint16_t kPe32Magic = 267;
constexpr std::uint16_t kMaxSections = 96; // the format's own limit

PeLayoutOutcome failure(std::string error) { return {std::nullopt, std::move(error)}; }

bool readSection(std::span<const std::uint8_t> file, std::uint32_t offset, PeSection& section) {
    const auto virtualSize = ReadU32(file, offset + 8);
    const auto virtualAddress = ReadU32(file, offset + 12);
    const auto rawSize = ReadU32(file, offset + 16);
    const auto rawOffset = ReadU32(file, offset + 20);
    const auto characteristics = ReadU32(file, offset + 36);
    if (!virtualSize || !virtualAddress || !rawSize || !rawOffset || !characteristics)
        return false;
    section = {offset, *virtualSize, *virtualAddress, *rawSize, *rawOffset, *characteristics};
    return true;
}

} // namespace

std::optional<std::uint32_t> PeLayout::FileOffsetOf(std::uint32_t rva, std::uint32_t length) const {
    for (const PeSection& section : sections) {
        if (rva < section.virtualAddress)
            continue;
        const std::uint64_t within = std::uint64_t{rva} - section.virtualAddress;
        // A section's raw data may claim more than the file holds.
        if (RangeInside(within, length, section.rawSize) && RangeInside(section.rawOffset + within, length, fileSize))
            return static_cast<std::uint32_t>(section.rawOffset + within);
    }
    return std::nullopt;
}

PeLayoutOutcome ReadPeLayout(std::span<const std::uint8_t> file) {
    if (file.size() < 2 || file[0] != 'M' || file[1] != 'Z')
        return failure("File isn't an EXE file (1)");
    const auto peOffset = ReadU32(file, kNewHeaderOffsetField);
    if (!peOffset || *peOffset == 0)
        return failure("File isn't a PE file (1)");
    const auto signature = ReadU32(file, *peOffset);
    if (!signature || *signature != 0x00004550u) // "PE\0\0"
        return failure("File isn't a PE file (2)");

    PeLayout layout;
    layout.fileSize = file.size();
    layout.coffHeaderOffset = *peOffset + 4;
    const auto sectionCount = ReadU16(file, layout.coffHeaderOffset + kNumberOfSectionsField);
    const auto optionalSize = ReadU16(file, layout.coffHeaderOffset + 16);
    if (!sectionCount || !optionalSize || *optionalSize != kPe32OptionalHeaderSize)
        return failure("File isn't a PE file (3)");
    layout.optionalHeaderOffset = layout.coffHeaderOffset + 20;
    const auto magic = ReadU16(file, layout.optionalHeaderOffset);
    if (!magic || *magic != kPe32Magic || !RangeInside(layout.optionalHeaderOffset, kPe32OptionalHeaderSize, file.size()))
        return failure("File isn't a PE file (4)");

    const std::uint32_t optional = layout.optionalHeaderOffset;
    layout.sectionAlignment = *ReadU32(file, optional + 32);
    layout.fileAlignment = *ReadU32(file, optional + 36);
    layout.sizeOfImage = *ReadU32(file, optional + kSizeOfImageField);
    layout.sizeOfHeaders = *ReadU32(file, optional + 60);
    const std::uint32_t directoryCount = *ReadU32(file, optional + 92);
    if (directoryCount > 2) {
        layout.resourceRva = *ReadU32(file, optional + kResourceDirectoryField);
        layout.resourceSize = *ReadU32(file, optional + kResourceDirectoryField + 4);
    }
    if (layout.resourceRva == 0 || layout.resourceSize == 0)
        return failure("No resources (1)");

    layout.sectionTableOffset = optional + kPe32OptionalHeaderSize;
    if (*sectionCount > kMaxSections ||
        !RangeInside(layout.sectionTableOffset, std::uint64_t{*sectionCount} * kSectionHeaderSize, file.size()))
        return failure("No resources (2)");
    std::optional<std::size_t> resourceSection;
    for (std::uint16_t i = 0; i < *sectionCount; ++i) {
        PeSection section;
        readSection(file, layout.sectionTableOffset + i * kSectionHeaderSize, section);
        if (!resourceSection && section.virtualAddress == layout.resourceRva && section.rawSize != 0)
            resourceSection = i;
        // Two sections at one address leave no telling which holds the resources.
        for (const PeSection& earlier : layout.sections)
            if (earlier.virtualAddress == section.virtualAddress)
                return failure("No resources (2)");
        layout.sections.push_back(section);
    }
    // The section's raw data must be in the file: everything below reads it.
    if (!resourceSection || !RangeInside(layout.sections[*resourceSection].rawOffset,
                                         layout.sections[*resourceSection].rawSize, file.size()))
        return failure("No resources (2)");
    layout.resourceSection = *resourceSection;
    return {std::move(layout), {}};
}

} // namespace vantora::publish
