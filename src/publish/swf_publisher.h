#pragma once
// "Shockwave Flash (.swf)": the movie alone.

#include "publish/publisher.h"

namespace vantora::publish {

class TSwfPublisher : public TPublisher {
public:
    std::string_view Name() const override { return "Shockwave Flash (.swf)"; }
    std::string_view FileFilter() const override { return "SWF files (*.swf)|*.swf"; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override;
};

} // namespace vantora::publish
