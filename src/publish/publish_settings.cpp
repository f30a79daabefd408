#include "publish/publish_settings.h"

namespace vantora::publish {

PublishSettings DefaultPublishSettings(const TVantora& demo) {
    PublishSettings settings;
    settings.title = demo.Name;
    return settings;
}

VersionStamp VersionStampOf(const PublishSettings& settings) {
    VersionStamp stamp;
    stamp.companyName = PadWithSpaces(settings.companyName, kVersionTextWidth);
    stamp.fileDescription = PadWithSpaces(settings.fileDescription, kVersionTextWidth);
    stamp.legalCopyright = PadWithSpaces(settings.legalCopyright, kVersionTextWidth);
    stamp.version = settings.version;
    return stamp;
}

} // namespace vantora::publish
