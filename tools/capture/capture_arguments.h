#pragma once
// The capture tool's one command-line argument: four numbers of four digits each, run together
// (mode, movie width, movie height, flag), as the editor writes it.

#include <optional>
#include <string>
#include <string_view>

namespace vantora::grabbit {

struct CaptureArguments {
    int mode = 0; // 0: shots for scenes until "Finish"; 1: one shot, then done
    int width = 640;
    int height = 480;
    int flag = 0;
    bool singleShot() const { return mode == 1; }
};

// Reads the argument; nothing, with a reason in `error`, unless it is sixteen digits with a known
// mode.
std::optional<CaptureArguments> ParseCaptureArguments(std::string_view argument, std::string& error);

} // namespace vantora::grabbit
