#include "build_tool/check_command.h"

#include "build_tool/build_tool.h"
#include "movie/demo_check.h"

#include <ostream>

namespace vantora::buildtool {

int CheckProject(const CommandLine& line, std::ostream& out, std::ostream& err) {
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    const std::vector<DemoFinding> findings = CheckDemo(demo);
    for (const DemoFinding& finding : findings)
        out << FindingLine(demo, finding) << '\n';
    return findings.empty() ? kExitOk : kExitFailed;
}

} // namespace vantora::buildtool
