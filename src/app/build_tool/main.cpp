// vantora-build: builds, inspects and pictures projects without a window.

#include "build_tool/build_tool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return vantora::buildtool::RunBuildTool(arguments, std::cout, std::cerr);
}
