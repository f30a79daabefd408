#include "build_tool/snapshot_command.h"

#include "build_tool/build_tool.h"
#include "build_tool/gui_session.h"
#include "render/object_renderer.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

namespace vantora::buildtool {
namespace {

namespace fs = std::filesystem;

bool savePng(const QImage& image, const fs::path& file, std::ostream& err) {
    if (image.save(QString::fromStdString(file.string()), "PNG"))
        return true;
    err << "vantora-build: cannot write " << file.string() << '\n';
    return false;
}

// Objects without a picture of their own (Text, InputText, Audio) are left out.
bool writeObjectPictures(TDemoFrame& scene, const fs::path& folder, int sceneNumber, std::ostream& err) {
    int objectNumber = 0;
    for (auto& object : scene.Objects) {
        ++objectNumber;
        std::optional<RgbaImage> rendered = RenderObject(*object);
        if (!rendered || rendered->empty())
            continue;
        const QImage picture = AdoptRgbaImage(std::move(*rendered));
        const std::string name =
            "scene" + std::to_string(sceneNumber) + "-object" + std::to_string(objectNumber) + ".png";
        if (!savePng(picture, folder / name, err))
            return false;
    }
    return true;
}

} // namespace

int WriteSnapshots(const CommandLine& line, std::ostream& err) {
    EnsureGuiApplication();
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    const fs::path folder = line.output;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder)) {
        err << "vantora-build: cannot make the folder " << folder.string() << '\n';
        return kExitFailed;
    }
    int sceneNumber = 0;
    for (auto& scene : demo.Scenes) {
        ++sceneNumber;
        const QImage picture = ComposeScene(*scene, demo.Width, demo.Height);
        if (picture.isNull()) {
            err << "vantora-build: scene " << sceneNumber << " cannot be drawn at " << demo.Width << " x "
                << demo.Height << '\n';
            return kExitFailed;
        }
        if (!savePng(picture, folder / ("scene" + std::to_string(sceneNumber) + ".png"), err))
            return kExitFailed;
        if (line.objects && !writeObjectPictures(*scene, folder, sceneNumber, err))
            return kExitFailed;
    }
    err << "Wrote " << sceneNumber << " scene picture(s) to " << folder.string() << '\n';
    return kExitOk;
}

} // namespace vantora::buildtool
