// Shows every dialog once and saves a picture of each into the folder given on the command line,
// for looking at them (run it under Xvfb to see them as the desktop draws them).

#include "dialogs/about_form.h"
#include "dialogs/demo_properties_form.h"
#include "dialogs/grid_size_form.h"
#include "dialogs/image_editor/image_editor_form.h"
#include "dialogs/new_form.h"
#include "dialogs/select_color_form.h"
#include "dialogs/shipped_files.h"
#include "dialogs/splash_form.h"
#include "dialogs/text_editor_form.h"
#include "dialogs/tips/tips_form.h"
#include "base/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QBuffer>

#include <cstdio>
#include <filesystem>

using namespace vantora;

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

Picture SamplePicture() {
    QImage image(500, 300, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QColor(40, 120, 220));
    painter.drawEllipse(20, 20, 460, 260);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Picture(PictureFormat::Png, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantora"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    UserPrompts& prompts = SystemPrompts();

    TNewForm newForm(prompts);
    Save(newForm, folder, "new_form");
    TDemoPropertiesForm properties({"Demo", 640, 480, clWhite, 2}, prompts);
    Save(properties, folder, "demo_properties");
    TGridSizeForm grid(8, 8);
    Save(grid, folder, "grid_size");
    TSelectColorForm colour(RGB(255, 0, 0), prompts);
    Save(colour, folder, "color_editor");
    TImageEditorForm image(SamplePicture(), false, prompts);
    Save(image, folder, "image_editor");
    TTextEditorForm text(QStringLiteral("First line\nSecond line"), prompts);
    Save(text, folder, "text_editor");
    InstallShippedFiles();
    TTipsForm tips(ProgramFolder() / kTipsFileName, true);
    Save(tips, folder, "tips");
    TSplashForm splash;
    Save(splash, folder, "splash");
    TAboutForm about(prompts);
    Save(about, folder, "about");
    if (argc > 2) { // keep the About box up, for a screenshot of the whole screen
        TAboutForm shown(prompts);
        return shown.exec();
    }
    return 0;
}
