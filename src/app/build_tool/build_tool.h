#pragma once
// What vantora-build does with its parsed command line. Output and error text go to the given
// streams so tests can run the tool in-process.

#include "base/progress.h"
#include "model/demo.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vantora::buildtool {

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the project could not be read or written
constexpr int kExitUsage = 2;  // the arguments made no sense

int RunBuildTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Loads `project` into `demo`; on failure prints the storage message to `err` and returns false.
bool LoadProjectOrReport(const std::string& project, TVantora& demo, std::ostream& err);

// Progress of long work as lines on `err`: the label, then "  i of n" per step.
ProgressObserver ProgressLinesTo(std::ostream& err);

// "vantora-build <version>".
std::string VersionText();

} // namespace vantora::buildtool
