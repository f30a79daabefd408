#pragma once
// vantora-build --snapshot PROJECT.vtp -o DIR [--objects]: pictures of the scenes as the editor
// shows them (scene1.png, scene2.png, ...) and, with --objects, of every object
// (scene1-object1.png, ... in stacking order), for people and scripts to look at.

#include "build_tool/command_line.h"

#include <iosfwd>

namespace vantora::buildtool {

int WriteSnapshots(const CommandLine& line, std::ostream& err);

} // namespace vantora::buildtool
