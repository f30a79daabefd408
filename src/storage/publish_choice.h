#pragma once
// What the Publish dialog remembers between openings, in Vantora.ini: the target published last
// (by its name, so that targets added later do not shift it) and the folder its output went to.

#include <filesystem>
#include <string>
#include <string_view>

namespace vantora {

inline constexpr std::string_view kPublishSection = "PUBLISH";

struct PublishChoice {
    std::string target;            // the target's caption; empty: none published yet
    std::filesystem::path folder;  // where the last output went; empty: none

    bool operator==(const PublishChoice&) const = default;
};

// Missing keys or a missing or damaged file read as an empty choice.
PublishChoice ReadPublishChoice(const std::filesystem::path& file);
// Keeps everything else in the file; false when writing failed (which callers ignore).
bool WritePublishChoice(const std::filesystem::path& file, const PublishChoice& choice);

} // namespace vantora
