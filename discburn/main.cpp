// Discora: burns the folder named on the command line to CD/DVD, or saves it as an ISO file.
#include "discburn/discora_form.h"
#include "discburn/libburn_engine.h"

#include <QApplication>
#include <QTimer>

#include <optional>

#include "program_information.h"

namespace {

constexpr char kUsage[] =
    "Usage: discora [FOLDER]\n"
    "Burns FOLDER to a CD or DVD, saves it as an ISO image, or quick-erases a rewritable disc.\n"
    "DISCORA_DRIVES=\"stdio:FILE\" offers FILE as a disc.\n"
    "  -h, --help     show this help\n"
    "  --version      show the program version\n";

} // namespace

int main(int argc, char* argv[]) {
    if (program_information::Answered(argc, argv, "discora", kUsage))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Discora"));

    const QStringList arguments = QApplication::arguments();
    std::optional<QString> folder;
    if (arguments.size() > 1)
        folder = arguments.at(1);

    discora::LibburnEngine engine(discora::LibburnEngine::optionsFromEnvironment());
    discora::DiscoraForm form(engine);
    form.show();
    QTimer::singleShot(0, &form, [&form, folder] {
        if (!form.start(folder))
            form.close();
    });
    return app.exec();
}
