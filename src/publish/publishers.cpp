#include "publish/autorun_publisher.h"
#include "publish/html_publisher.h"
#include "publish/publisher.h"
#include "publish/shipped_files.h"
#include "publish/standalone_program.h"
#include "publish/swf_publisher.h"
#include "publish/video_publisher.h"
#include "publish/web/web_publisher.h"

namespace vantora::publish {

std::vector<std::unique_ptr<TPublisher>> DialogPublishers() {
    std::vector<std::unique_ptr<TPublisher>> publishers;
    publishers.push_back(std::make_unique<TSwfPublisher>());
    publishers.push_back(std::make_unique<TExePublisher>());
    publishers.push_back(std::make_unique<THtmlPublisher>());
    publishers.push_back(std::make_unique<TAutoRunPublisher>(TAutoRunPublisher::Content::Program));
    publishers.push_back(std::make_unique<TAutoRunPublisher>(TAutoRunPublisher::Content::HtmlPage));
    publishers.push_back(std::make_unique<TVideoPublisher>());
    publishers.push_back(std::make_unique<TLinuxProgramPublisher>());
    publishers.push_back(std::make_unique<TWebPublisher>());
    return publishers;
}

std::filesystem::path TemporaryFolderOf(const PublishContext& context) {
    if (context.temporaryFolder.empty())
        return TemporaryVantoraFolder();
    std::error_code error;
    std::filesystem::create_directories(context.temporaryFolder, error);
    return context.temporaryFolder;
}

} // namespace vantora::publish
