#include "capture_arguments.h"

#include <algorithm>

namespace vantora::grabbit {
namespace {

constexpr std::size_t kDigitsPerNumber = 4;
constexpr std::size_t kNumbers = 4;

int numberAt(std::string_view digits, std::size_t index) {
    int value = 0;
    for (char c : digits.substr(index * kDigitsPerNumber, kDigitsPerNumber))
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<CaptureArguments> ParseCaptureArguments(std::string_view argument, std::string& error) {
    const bool allDigits = std::all_of(argument.begin(), argument.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (argument.size() != kDigitsPerNumber * kNumbers || !allDigits) {
        error = "the argument must be sixteen digits (mode, width, height and flag, four digits each), not \"" +
                std::string(argument) + "\"";
        return std::nullopt;
    }
    CaptureArguments arguments;
    arguments.mode = numberAt(argument, 0);
    arguments.width = numberAt(argument, 1);
    arguments.height = numberAt(argument, 2);
    arguments.flag = numberAt(argument, 3);
    if (arguments.mode > 1) {
        error = "mode " + std::to_string(arguments.mode) + " is unknown (0 takes scenes, 1 one picture)";
        return std::nullopt;
    }
    return arguments;
}

} // namespace vantora::grabbit
