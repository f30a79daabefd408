#pragma once
// The settings of one Publish command. They start from the demo each time the dialog opens and
// are not kept between two commands.

#include "model/demo.h"
#include "publish/version_stamp.h"
#include "publish/video/video_options.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vantora::publish {

struct PublishSettings {
    std::string title;
    std::int32_t style = 0;   // 0..3
    std::int32_t exitKey = 4; // 0..4
    std::string fileDescription;
    std::string companyName;
    std::string legalCopyright;
    FileVersionNumbers version;           // 1.0.0.0
    std::filesystem::path programIcon;    // empty: the player's own icon
    std::string swfName;                  // HTML target: the movie's name, ".swf" appended
    std::filesystem::path cdIcon;         // empty: "Default.ico"
    bool burnCdDirectly = true;           // AutoRun targets: burn the temporary CD folder
    bool includeBrowserPlayer = true;     // HTML pages: load the browser player for browsers without Flash
    bool showControls = true;             // web pages: "Show controls", the control bar under the stage
    video::VideoOptions video;            // Video target: hold, size, rate, quality (the format comes from the file)
};

inline constexpr std::int32_t kMaxStyle = 3;
inline constexpr std::int32_t kMaxExitKey = 4;
inline constexpr std::uint16_t kMaxVersionNumber = 9999;
// The stamped texts are padded to this many characters, the room of the placeholders.
inline constexpr std::size_t kVersionTextWidth = 100;

// The defaults for `demo`: its name as the title, everything else as the table of defaults.
PublishSettings DefaultPublishSettings(const TVantora& demo);

// The version texts of the settings, each padded to the placeholders' width.
VersionStamp VersionStampOf(const PublishSettings& settings);

} // namespace vantora::publish
