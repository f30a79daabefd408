#include "build_tool/movie_command.h"

#include "build_tool/build_tool.h"
#include "build_tool/gui_session.h"
#include "movie/movie_builder.h"
#include "publish/swf_publisher.h"
#include "render/render_tables.h"

#include <ostream>
#include <string>

namespace vantora::buildtool {

int BuildMovie(const CommandLine& line, std::ostream& err) {
    EnsureGuiApplication();
    // The painters' tables are made on the other core while the project loads.
    PrepareRenderTablesAside tables;
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    const int sceneCount = static_cast<int>(demo.Scenes.size());
    if (line.scene && *line.scene > sceneCount) {
        err << "vantora-build: the project has " << sceneCount << " scene(s); there is no scene " << *line.scene
            << ".\n";
        return kExitFailed;
    }

    const ProgressObserver progress = ProgressLinesTo(err);

    MovieBuildOptions options;
    if (line.scene)
        options.sceneIndex = *line.scene - 1;
    // "-o tour" writes tour.swf, as the Publish dialog does.
    const std::string output = publish::CompleteTargetName(publish::TSwfPublisher(), line.output).string();
    const MovieBuildResult built = BuildMovieFile(demo, output, options, &progress);
    if (!built.ok) {
        err << "vantora-build: " << built.message << '\n';
        return kExitFailed;
    }
    for (const std::string& note : built.notes)
        err << "vantora-build: " << note << '\n';
    err << "Wrote " << output << '\n';
    return kExitOk;
}

} // namespace vantora::buildtool
