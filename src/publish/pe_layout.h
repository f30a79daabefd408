#pragma once
// The parts of a 32-bit Windows program file (PE32) that resource stamping needs: the section
// table, the alignments, and where the resource directory lies. Read from the file's bytes alone,
// so it works on any system and refuses anything it cannot account for.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish {

struct PeSection {
    std::uint32_t headerOffset = 0; // file offset of this section's 40-byte header
    std::uint32_t virtualSize = 0;
    std::uint32_t virtualAddress = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t characteristics = 0;
};

struct PeLayout {
    std::uint32_t coffHeaderOffset = 0;     // just after "PE\0\0"
    std::uint32_t optionalHeaderOffset = 0;
    std::uint32_t sectionTableOffset = 0;
    std::uint32_t sectionAlignment = 0;
    std::uint32_t fileAlignment = 0;
    std::uint32_t sizeOfImage = 0;
    std::uint32_t sizeOfHeaders = 0;
    std::uint32_t resourceRva = 0;
    std::uint32_t resourceSize = 0;
    std::uint64_t fileSize = 0;
    std::vector<PeSection> sections;
    // Index into `sections` of the section that starts at the resource directory.
    std::size_t resourceSection = 0;

    const PeSection& ResourceSection() const { return sections[resourceSection]; }
    // File offset of `rva`, when some section's raw data holds [rva, rva + length) inside the file.
    std::optional<std::uint32_t> FileOffsetOf(std::uint32_t rva, std::uint32_t length) const;
};

// File offsets of fields that rewriting the resource section updates.
inline constexpr std::uint32_t kSizeOfImageField = 56;       // from the optional header
inline constexpr std::uint32_t kResourceDirectoryField = 112; // data directory 2, from the optional header
inline constexpr std::uint32_t kNumberOfSectionsField = 2;    // from the COFF header
inline constexpr std::uint32_t kSectionHeaderSize = 40;

struct PeLayoutOutcome {
    std::optional<PeLayout> layout;
    std::string error; // one of the designed texts, e.g. "File isn't a PE file (2)"
};

// Reads the layout; fails with the first rule the bytes break, in the order the rules are checked.
PeLayoutOutcome ReadPeLayout(std::span<const std::uint8_t> file);

} // namespace vantora::publish
