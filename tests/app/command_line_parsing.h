#pragma once
// Parsing helpers shared by the vantora-build argument tests: what a good command line gives, and
// the message a bad one is refused with.

#include "build_tool/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantora::buildtool::test {

inline CommandLine parsed(const std::vector<std::string>& arguments) {
    const ParseOutcome outcome = ParseCommandLine(arguments);
    EXPECT_TRUE(outcome.commandLine.has_value()) << outcome.error;
    return outcome.commandLine.value_or(CommandLine{});
}

inline std::string refused(const std::vector<std::string>& arguments) {
    const ParseOutcome outcome = ParseCommandLine(arguments);
    EXPECT_FALSE(outcome.commandLine.has_value());
    return outcome.error;
}

} // namespace vantora::buildtool::test
