#include "preview/preview_commands.h"

#include "movie/movie_builder.h"
#include "preview/flash_player_form.h"

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QString>

namespace vantora {

namespace {

QColor ToQColor(TColor c) { return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff)); }

// Shows the built movie, or the build's failure (and then no window).
bool ShowBuilt(QWidget* parent, const TVantora& demo, const MovieBuildResult& built,
               const std::filesystem::path& movieFile, PreviewMessages& messages, PreviewShow show,
               const PreviewFrameReport& onFrame) {
    if (!built.ok) {
        messages.Error(parent, QString::fromStdString(built.message));
        return false;
    }
    return show(parent, QString::fromStdString(movieFile.string()), demo.Width, demo.Height, ToQColor(demo.BackColor), messages,
                onFrame);
}

// The hourglass while the movie builds.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

bool PreviewDemo(QWidget* parent, const TVantora& demo, const std::filesystem::path& movieFile,
                 PreviewMessages& messages, PreviewShow show, const PreviewFrameReport& onFrame) {
    MovieBuildResult built;
    {
        const BusyCursor busy;
        built = BuildAndSaveWholeDemo(demo, movieFile);
    }
    return ShowBuilt(parent, demo, built, movieFile, messages, show, onFrame);
}

bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex, const std::filesystem::path& movieFile,
                  PreviewMessages& messages, PreviewShow show, const PreviewFrameReport& onFrame) {
    MovieBuildResult built;
    {
        const BusyCursor busy;
        built = BuildAndSaveOneScene(demo, sceneIndex, movieFile);
    }
    return ShowBuilt(parent, demo, built, movieFile, messages, show, onFrame);
}

bool PreviewDemo(QWidget* parent, const TVantora& demo, const std::filesystem::path& movieFile,
                 const PreviewFrameReport& onFrame) {
    return PreviewDemo(parent, demo, movieFile, ScreenPreviewMessages(), &TFlashPlayerForm::ShowPreview, onFrame);
}

bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex, const std::filesystem::path& movieFile,
                  const PreviewFrameReport& onFrame) {
    return PreviewScene(parent, demo, sceneIndex, movieFile, ScreenPreviewMessages(), &TFlashPlayerForm::ShowPreview,
                        onFrame);
}

} // namespace vantora
