#include "build_tool/publish_command.h"

#include "build_tool/build_tool.h"
#include "build_tool/gui_session.h"
#include "publish/autorun_publisher.h"
#include "publish/html_publisher.h"
#include "publish/web/web_publisher.h"
#include "publish/standalone_program.h"
#include "publish/video_publisher.h"

#include <filesystem>
#include <ostream>

namespace vantora::buildtool {
namespace {

publish::PublishSettings settingsOf(const TVantora& demo, const PublishOptions& options) {
    publish::PublishSettings settings = publish::DefaultPublishSettings(demo);
    if (options.title)
        settings.title = *options.title;
    settings.style = options.style.value_or(settings.style);
    settings.exitKey = options.exitKey.value_or(settings.exitKey);
    settings.companyName = options.company;
    settings.fileDescription = options.description;
    settings.legalCopyright = options.copyright;
    if (options.fileVersion) {
        const auto& v = *options.fileVersion;
        settings.version = {v[0], v[1], v[2], v[3]};
    }
    settings.programIcon = options.icon;
    settings.cdIcon = options.cdIcon;
    settings.swfName = options.swfName.value_or("");
    settings.includeBrowserPlayer = !options.noBrowserPlayer;
    settings.showControls = !options.noControls;
    settings.burnCdDirectly = false; // a script names its folder; burning is the editor's
    settings.video.holdSeconds = options.hold.value_or(settings.video.holdSeconds);
    if (options.size)
        settings.video.size = video::VideoSize{(*options.size)[0], (*options.size)[1]};
    settings.video.rate = options.fps;
    settings.video.quality = options.quality.value_or(settings.video.quality);
    return settings;
}

publish::PublishResult run(const TVantora& demo, const PublishOptions& options, const publish::PublishContext& context) {
    const publish::PublishSettings settings = settingsOf(demo, options);
    switch (*options.target) {
    case PublishTarget::Html: return publish::THtmlPublisher().Publish(demo, settings, options.output, context);
    case PublishTarget::Web: return publish::TWebPublisher().Publish(demo, settings, options.output, context);
    case PublishTarget::Exe: return publish::MakeStandaloneProgram(demo, settings, options.output, context);
    case PublishTarget::App: return publish::MakeLinuxProgram(demo, settings, options.output, context);
    case PublishTarget::Video: return publish::TVideoPublisher().Publish(demo, settings, options.output, context);
    case PublishTarget::AutoRun: {
        using Content = publish::TAutoRunPublisher::Content;
        const Content content = options.autorunWithWeb    ? Content::WebPage
                                : *options.autorunWithHtml ? Content::HtmlPage
                                                           : Content::Program;
        return publish::TAutoRunPublisher(content)
            .Publish(demo, settings, options.output, context);
    }
    }
    return publish::PublishResult::Failure(publish::PublishFailure::WriteFile, "Unknown publishing target.");
}

// A name given without an extension gets the target's, as in the Publish dialog.
std::string completedOutput(const PublishOptions& options) {
    switch (*options.target) {
    case PublishTarget::Html: return publish::CompleteTargetName(publish::THtmlPublisher(), options.output).string();
    case PublishTarget::Exe: return publish::CompleteTargetName(publish::TExePublisher(), options.output).string();
    default: return options.output;
    }
}

} // namespace

int PublishDemo(const CommandLine& line, std::ostream& err) {
    EnsureGuiApplication();
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    const ProgressObserver progress = ProgressLinesTo(err);
    publish::PublishContext context;
    context.progress = &progress;
    // A command line names the output's folder as readily as the output: make it when missing.
    PublishOptions options = line.publish;
    options.output = completedOutput(options);
    const std::filesystem::path output = options.output;
    std::error_code error;
    if (output.has_parent_path())
        std::filesystem::create_directories(output.parent_path(), error);

    const publish::PublishResult result = run(demo, options, context);
    for (const std::string& note : result.notes)
        err << "vantora-build: " << note << '\n';
    if (!result.ok()) {
        err << "vantora-build: " << result.message << '\n';
        return kExitFailed;
    }
    for (const auto& file : result.files)
        err << "Wrote " << file.string() << '\n';
    return kExitOk;
}

} // namespace vantora::buildtool
