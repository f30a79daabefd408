#pragma once
// The one error of icon replacement and version stamping. Its text always begins with
// "Resource update error: "; failures of a file operation end with the system's error number.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vantora::publish {

class ResourceUpdateError : public std::runtime_error {
public:
    explicit ResourceUpdateError(std::string_view message);
    // `message` followed by " (" systemError ")".
    static ResourceUpdateError FromSystem(std::string_view message, int systemError);
};

} // namespace vantora::publish
