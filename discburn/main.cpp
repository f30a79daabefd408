// Discora: burns the folder named on the command line to CD/DVD, or saves it as an ISO file.
#include "discburn/discora_form.h"
#include "discburn/libburn_engine.h"

#include <QApplication>
#include <QTimer>

#include <optional>

int main(int argc, char* argv[]) {
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
