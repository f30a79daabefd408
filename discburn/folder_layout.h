#pragma once
// Lays out a folder as a data disc: every subfolder (with all it holds) and every file of the
// folder goes to the root of the disc, except "AutoRunSource", the sources an AutoRun folder was
// made from. Each entry is logged before it is added; failures are reported and the rest goes on.

#include <functional>
#include <string>

namespace discora {

class BurnEngine;

struct LayoutReport {
    std::function<void(const std::string& line, int icon)> log;
    std::function<void(const std::string& errorText)> failed;
};

void addFolderContents(BurnEngine& engine, const std::string& folder, const LayoutReport& report);

} // namespace discora
