#pragma once
// The "Video (MP4, WebM, GIF)" target: the demo built into its movie and recorded by our player
// as a viewer watches it, into the format the file's extension names.

#include "publish/publisher.h"

namespace vantora::publish {

inline constexpr std::string_view kVideoTargetName = "Video (MP4, WebM, GIF)";

class TVideoPublisher : public TPublisher {
public:
    std::string_view Name() const override { return kVideoTargetName; }
    std::string_view FileFilter() const override {
        return "MP4 video (*.mp4)|*.mp4|WebM video (*.webm)|*.webm|Animated GIF (*.gif)|*.gif";
    }
    SettingsDialog Settings() const override { return SettingsDialog::Video; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override;
};

} // namespace vantora::publish
