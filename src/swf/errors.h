#pragma once
// The one exception type of the SWF library. Messages name what failed (tag, field, file and the
// system's reason) so that callers can show them as they are.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace swf {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// "path" in double quotes, for messages. Built by appending: GCC 12 release builds warn wrongly
// about prepending a literal to a temporary string.
inline std::string QuotedPath(const std::filesystem::path& path) {
    std::string s(1, '"');
    s.append(path.string()).push_back('"');
    return s;
}

} // namespace swf
