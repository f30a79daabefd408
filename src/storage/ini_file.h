#pragma once
// A plain INI file: [SECTION] lines and KEY=VALUE lines. Section and key names compare ignoring
// case, as the platform's INI services do. Setting a value touches only its own line, so
// comments, unknown keys and other sections survive every write.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

// Settings files larger than this are not settings files; they are left alone.
inline constexpr std::uintmax_t kMaxIniFileBytes = 1024 * 1024;

class IniFile {
public:
    // A missing file gives an empty one; a file that exists but cannot be read (or is too large)
    // also gives an empty one that refuses to be saved, so that it is never overwritten.
    static IniFile Load(const std::filesystem::path& file);
    static IniFile Parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Line breaks in the value are replaced by spaces: a value never adds lines of its own.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;
    // Writes through a temporary file. False when the write failed or the file was unreadable.
    bool save(const std::filesystem::path& file) const;

private:
    struct Line {
        std::string raw;     // the line as read or written
        std::string section; // for a section header: its name
        std::string key;     // for a key line: its key
        std::string value;
        enum class Kind { Other, Section, Key } kind = Kind::Other;
    };

    // Index of the section header, or npos.
    std::size_t findSection(std::string_view section) const;

    std::vector<Line> lines_;
    bool writable_ = true;
};

// Integers as the platform reads them: decimal with an optional sign, or hexadecimal after "$" or
// "0x"; anything else (or a number out of range) is nothing.
std::optional<std::int64_t> ParseIniInteger(std::string_view text);

} // namespace vantora
