#include "dialogs/user_prompts.h"

#include "dialogs/colour_conversion.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace vantora {
namespace {

class SystemUserPrompts final : public UserPrompts {
public:
    void information(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox::information(parent, caption, text);
    }

    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
               QMessageBox::Yes;
    }

    QString openFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), DialogFileFilter(filter));
    }

    QString saveFileName(QWidget* parent, const QString& filter, const QString& suggestedName) override {
        return QFileDialog::getSaveFileName(parent, QString(), suggestedName, DialogFileFilter(filter));
    }

    std::optional<TColor> chooseColour(QWidget* parent, TColor initial) override {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    }

    void openAddress(const QString& address) override { QDesktopServices::openUrl(QUrl(address)); }
};

} // namespace

UserPrompts& SystemPrompts() {
    static SystemUserPrompts prompts;
    return prompts;
}

QString DialogFileFilter(const QString& pairedFilter) {
    const QStringList parts = pairedFilter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        if (!parts[i].isEmpty())
            names << parts[i];
    return names.join(QStringLiteral(";;"));
}

} // namespace vantora
