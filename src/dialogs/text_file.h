#pragma once
// Reading and writing the plain text files of the text editor. Text may come as UTF-8 (with or
// without a byte-order mark) or in the Windows-1252 code page; it is written back as UTF-8.

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vantora {

// Text files larger than this are not texts of a demo object; they are refused.
inline constexpr std::uintmax_t kMaxTextFileBytes = 4 * 1024 * 1024;

struct TextFileResult {
    std::optional<QString> text; // empty on failure
    QString error;               // why, for the message box
};

TextFileResult ReadTextFile(const std::filesystem::path& file);

// Writes through a temporary file; the error text is empty on success.
QString WriteTextFile(const std::filesystem::path& file, const QString& text);

} // namespace vantora
