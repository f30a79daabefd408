#pragma once
// vantora-build PROJECT.vtp -o MOVIE.swf [--scene N]: builds the demo, or one scene, into a movie.

#include "build_tool/command_line.h"

#include <iosfwd>

namespace vantora::buildtool {

// Progress goes to `err` as one line per step, so a terminal shows how far the build is.
int BuildMovie(const CommandLine& line, std::ostream& err);

} // namespace vantora::buildtool
