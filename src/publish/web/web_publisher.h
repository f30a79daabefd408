#pragma once
// "Web Page (HTML5)": the demo as a folder of plain web files that plays in any browser, from
// the disk as well as from a server.

#include "publish/publisher.h"

namespace vantora::publish {

class TWebPublisher : public TPublisher {
public:
    std::string_view Name() const override { return "Web Page (HTML5)"; }
    // The chosen file's folder takes index.html and the files it loads.
    std::string_view FileFilter() const override { return "Web pages (index.html)|index.html"; }
    SettingsDialog Settings() const override { return SettingsDialog::Web; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override;
};

} // namespace vantora::publish
