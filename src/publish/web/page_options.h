#pragma once
// What the web page takes from the demo itself besides the movie: the title and control bar
// setting, where each scene starts (for the control bar and #scene=K) and the texts of the
// objects with the frames they are on stage (for screen readers; balloons and notes reach the
// movie only as pictures).

#include "model/demo.h"
#include "publish/publish_settings.h"
#include "publish/web/web_page.h"

namespace vantora::publish::web {

WebPageOptions WebPageOptionsFor(const TVantora& demo, const PublishSettings& settings);

} // namespace vantora::publish::web
