#pragma once
// vantora-build PROJECT.vtp --html/--exe/--app/--autorun ...: publishes the demo with the same
// publishers the Publish dialog uses.

#include "build_tool/command_line.h"

#include <iosfwd>

namespace vantora::buildtool {

int PublishDemo(const CommandLine& line, std::ostream& err);

} // namespace vantora::buildtool
