#pragma once
// Stamping the version information of a program file: the company name, file description, legal
// copyright and file version texts are written over the placeholders of the version resource, and
// the fixed file version is set. The resource keeps its size and place in the file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish {

struct FileVersionNumbers {
    std::uint16_t major = 1;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
};

struct VersionStamp {
    std::string companyName;     // UTF-8; written as the system's ANSI text would be
    std::string fileDescription;
    std::string legalCopyright;
    FileVersionNumbers version;
};

// "A.B.C.D", padded with spaces to at least 23 characters.
std::string FileVersionText(const FileVersionNumbers& version);

// `text` followed by spaces up to `width` characters (counted in the ANSI code page).
std::string PadWithSpaces(const std::string& text, std::size_t width);

// Stamps a version resource (the bytes of type 16, identifier 1) in place. Texts longer than a
// placeholder are cut at its length. Throws ResourceUpdateError with the designed texts.
void StampVersionResource(std::span<std::uint8_t> resource, const VersionStamp& stamp);

// Finds the version resource in the program bytes and stamps it there.
void StampVersionInProgram(std::span<std::uint8_t> program, const VersionStamp& stamp);

// The same on a file, which is replaced only when stamping succeeded.
void StampVersionInformation(const std::filesystem::path& program, const VersionStamp& stamp);

} // namespace vantora::publish
