#pragma once
// vantora-build --check PROJECT.vtp: the demo check, one finding a line on standard output.

#include "build_tool/command_line.h"

#include <iosfwd>

namespace vantora::buildtool {

// 0 when nothing was found, 1 when something was (or the project could not be read).
int CheckProject(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace vantora::buildtool
