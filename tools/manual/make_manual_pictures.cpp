// make_manual_pictures PROJECT.vtp DIR: the pictures of the manual, taken of the real windows
// drawn offscreen: DIR/main-window.png (the editor on the project), DIR/publish-demo.png and
// DIR/check-demo.png (the demo check on the project with a stop point nobody can leave).

#include "dialogs/demo_check_form.h"
#include "dialogs/publish/publish_form.h"
#include "editor/document/editor_document.h"
#include "editor/library/sound_player.h"
#include "editor/main_window/main_form.h"
#include "model/stop_points.h"
#include "storage/project_file.h"
#include "storage/scene_copy.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>
#include <filesystem>

namespace {

using namespace vantora;

bool save(QWidget& window, const QString& file) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    if (!saved)
        std::fprintf(stderr, "make_manual_pictures: cannot write %s\n", qPrintable(file));
    return saved;
}

// Pictures make no sound.
class SilentPlayer final : public SoundPlayer {
public:
    void play(const QString&) override {}
    void stop() override {}
};

bool mainWindow(const std::filesystem::path& project, const QString& folder) {
    SilentPlayer silent;
    MainFormServices services;
    services.soundPlayer = &silent;
    TMainForm form(services);
    if (!form.document().open(project)) {
        std::fprintf(stderr, "make_manual_pictures: cannot open %s\n", project.string().c_str());
        return false;
    }
    form.FillLibraryTabs();
    form.resize(1280, 800);
    form.selectScene(1);
    return save(form, folder + "/main-window.png");
}

bool publishDialog(const TVantora& demo, const QString& folder) {
    TPublishForm form(demo, SystemPrompts(), SystemPublishPrompts());
    return save(form, folder + "/publish-demo.png");
}

bool checkWindow(TVantora& demo, const QString& folder) {
    if (demo.Scenes.size() > 1)
        AddStopPoint(*demo.Scenes[1], demo.Scenes[1]->Length - 1);
    TDemoCheckForm form;
    form.showFindings(demo, CheckDemo(demo));
    form.resize(720, 260);
    return save(form, folder + "/check-demo.png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_manual_pictures PROJECT.vtp DIR\n");
        return 2;
    }
    InstallStorageSceneCopier();
    const std::filesystem::path project = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    TVantora demo;
    if (!LoadProject(project, demo)) {
        std::fprintf(stderr, "make_manual_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    const bool made = mainWindow(project, folder) && publishDialog(demo, folder) && checkWindow(demo, folder);
    return made ? 0 : 1;
}
