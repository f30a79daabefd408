// vantora-player: the Linux stand-alone demo. Publishing appends the window settings and the
// movie to a copy of this program; at start it reads them from its own file and plays the movie.
// "--snapshot OUT.png [--frame N]" shows frame N (default the first), saves the window's picture and
// ends, for checks.

#include "app/player_app/player_window.h"
#include "player/audio_device_output.h"
#include "publish/standalone_block.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "program_information.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// Our own file, or the stand-alone program named after --play (to try one without running it).
std::vector<std::uint8_t> programBytes(const QStringList& arguments) {
    QString path = QStringLiteral("/proc/self/exe");
    const qsizetype play = arguments.indexOf("--play");
    if (play >= 0 && play + 1 < arguments.size())
        path = arguments[play + 1];
    std::ifstream file(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

constexpr char kUsage[] =
    "Usage: vantora-player [--play PROGRAM] [--snapshot OUT.png [--frame N]]\n"
    "Plays the demo that Vantora's publishing appended to this program.\n"
    "  --play PROGRAM          play the demo held by another stand-alone program\n"
    "  --snapshot OUT.png      save the window's picture of frame N (default 0) and end\n"
    "  -h, --help              show this help\n"
    "  --version               show the program version\n";

int refuse(const QString& text) {
    std::fprintf(stderr, "vantora-player: %s\n", text.toUtf8().constData());
    if (qEnvironmentVariableIsEmpty("VANTORA_PLAYER_QUIET"))
        QMessageBox::information(nullptr, "Vantora Player", text);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (program_information::Answered(argc, argv, "vantora-player", kUsage))
        return 0;
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const std::vector<std::uint8_t> bytes = programBytes(arguments);
    const auto content = vantora::publish::ReadStandaloneBlock(bytes);
    if (!content)
        return refuse("This program holds no demo. Make one with Vantora's Publish command or vantora-build --app.");

    player::AudioDeviceOutput sound;
    player::FlashPlayer movie(&sound);
    std::string error;
    if (!movie.Load(content->movie, &error))
        return refuse(QString("The demo in this program cannot be played: %1").arg(QString::fromStdString(error)));

    vantora::TPlayerWindow window(content->window, movie);
    window.showByStyle();
    const qsizetype snapshot = arguments.indexOf("--snapshot");
    if (snapshot >= 0 && snapshot + 1 < arguments.size()) {
        const QString target = arguments[snapshot + 1];
        const qsizetype frame = arguments.indexOf("--frame");
        const int ticks = frame >= 0 && frame + 1 < arguments.size() ? arguments[frame + 1].toInt() : 0;
        for (int i = 0; i < ticks && i < movie.TotalFrames(); ++i)
            movie.Tick();
        QTimer::singleShot(0, &window, [&] {
            const bool saved = window.grab().save(target);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
