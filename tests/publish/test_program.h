#pragma once
// Small 32-bit Windows program files and icon files made in memory, shaped the way the tests
// need them: resources last or followed by another section, room to grow or none, a version
// resource with chosen values.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vantora::publish::test {

using Bytes = std::vector<std::uint8_t>;

// A version resource "VS_VERSION_INFO" with a string table "040904e4" of `strings` (each value
// stored with its terminator) and the fixed file information after `signature`.
Bytes MakeVersionResource(const std::vector<std::pair<std::string, std::string>>& strings,
                          std::uint32_t signature = 0xFEEF04BDu);

// The four placeholders of a player program: 100, 100, 23 and 100 characters.
std::vector<std::pair<std::string, std::string>> PlaceholderStrings();

struct TestProgramOptions {
    bool resourcesLast = true;        // false: a ".reloc" section follows the resources
    bool fullSectionTable = false;    // true: no room for another section header
    std::uint32_t rawRoom = 0x1000;   // raw size of the resource section (a multiple of 0x200)
    bool withMainIcon = true;
    std::uint16_t iconLanguage = 1031; // language of the old icon group and its icons
    Bytes version = MakeVersionResource(PlaceholderStrings());
};

Bytes MakeTestProgram(const TestProgramOptions& options = {});

// An icon file with one image per size (40 + size + extraBytes bytes); each image's bytes are
// filled with `fill` + index so tests can tell them apart.
Bytes MakeIconFile(const std::vector<int>& sizes, std::uint8_t fill = 0x40, std::size_t extraBytes = 0);

// The message of the ResourceUpdateError that `work` throws, or "no error".
std::string ErrorOf(const std::function<void()>& work);

// Little-endian reads for checks.
std::uint16_t U16At(const Bytes& bytes, std::size_t offset);
std::uint32_t U32At(const Bytes& bytes, std::size_t offset);

} // namespace vantora::publish::test
