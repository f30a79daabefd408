// vantora-icon-generator OUTPUT_FOLDER: writes OUTPUT_FOLDER/<size>x<size>/vantora.png for every
// size of the desktop icon theme. Run by the build; its files are installed by cmake --install.

#include "desktop/app_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Painting text-free pictures needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantora-icon-generator OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : vantora::kAppIconSizes) {
        // The icon theme looks for an application's icon in SIZE/apps.
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder) || !vantora::DrawAppIcon(size).save(root.filePath(folder + QStringLiteral("/vantora.png")))) {
            std::fprintf(stderr, "vantora-icon-generator: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
