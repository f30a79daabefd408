#pragma once
// The one exception type of the text-effect engine. Its messages are the engine's fixed texts
// ("Invalid line!", "Invalid foreground bitmap!").

#include <stdexcept>
#include <string>

namespace vantora {

class TAAError : public std::runtime_error {
public:
    explicit TAAError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kInvalidLine = "Invalid line!";
inline constexpr const char* kInvalidForegroundBitmap = "Invalid foreground bitmap!";

} // namespace vantora
