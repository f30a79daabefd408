#pragma once
// vantora-build --frames LIST -o DIR INPUT [--click X:Y@N]... [--scene N]: plays a movie with our
// player and writes DIR/frame-N.png for the listed frames. INPUT is a movie, or a project that is
// built first (the whole demo, or scene N).

#include "build_tool/command_line.h"

#include <iosfwd>

namespace vantora::buildtool {

int ExportFrames(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace vantora::buildtool
