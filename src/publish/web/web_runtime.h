#pragma once
// The web page's runtime script (runtime/vantora-web.js), built into the program so that every
// installation can publish the web target.

#include <string_view>

namespace vantora::publish::web {

std::string_view RuntimeScript();

} // namespace vantora::publish::web
