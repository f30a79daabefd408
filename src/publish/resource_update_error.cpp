#include "publish/resource_update_error.h"

namespace vantora::publish {
namespace {

std::string withPrefix(std::string_view message) {
    std::string text = "Resource update error: ";
    text += message;
    return text;
}

} // namespace

ResourceUpdateError::ResourceUpdateError(std::string_view message) : std::runtime_error(withPrefix(message)) {}

ResourceUpdateError ResourceUpdateError::FromSystem(std::string_view message, int systemError) {
    std::string text(message);
    text += " (";
    text += std::to_string(systemError);
    text += ')';
    return ResourceUpdateError(text);
}

} // namespace vantora::publish
