#pragma once
// The one exception type of the SWF library. Messages name what failed (tag, field, file and the
// system's reason) so that callers can show them as they are.

#include <stdexcept>
#include <string>

namespace swf {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace swf
