#include "preview/preview_commands.h"

#include "storage/program_folder.h"
#include "movie/movie_builder.h"
#include "preview/flash_player_form.h"

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QString>

namespace vantora {

namespace {

QColor ToQColor(TColor c) { return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff)); }

QString MoviePath() { return QString::fromStdString((ProgramFolder() / std::string(kPreviewMovieName)).string()); }

// Shows the built movie, or the build's failure (and then no window).
bool ShowBuilt(QWidget* parent, const TVantora& demo, const MovieBuildResult& built, PreviewMessages& messages,
               PreviewShow show) {
    if (!built.ok) {
        messages.Error(parent, QString::fromStdString(built.message));
        return false;
    }
    return show(parent, MoviePath(), demo.Width, demo.Height, ToQColor(demo.BackColor), messages);
}

// The hourglass while the movie builds.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

bool PreviewDemo(QWidget* parent, const TVantora& demo, PreviewMessages& messages, PreviewShow show) {
    MovieBuildResult built;
    {
        const BusyCursor busy;
        built = BuildAndSaveWholeDemo(demo, ProgramFolder() / std::string(kPreviewMovieName));
    }
    return ShowBuilt(parent, demo, built, messages, show);
}

bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex, PreviewMessages& messages, PreviewShow show) {
    MovieBuildResult built;
    {
        const BusyCursor busy;
        built = BuildAndSaveOneScene(demo, sceneIndex, ProgramFolder() / std::string(kPreviewMovieName));
    }
    return ShowBuilt(parent, demo, built, messages, show);
}

bool PreviewDemo(QWidget* parent, const TVantora& demo) {
    return PreviewDemo(parent, demo, ScreenPreviewMessages(), &TFlashPlayerForm::ShowPreview);
}

bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex) {
    return PreviewScene(parent, demo, sceneIndex, ScreenPreviewMessages(), &TFlashPlayerForm::ShowPreview);
}

} // namespace vantora
