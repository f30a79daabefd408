#include "platform/user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace vantora {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class QtUserDialogs final : public UserDialogs {
public:
    MessageAnswer message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override {
        QMessageBox box(QtIcon(icon), caption, text, QMessageBox::NoButton, parent);
        switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: break;
        }
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
             : buttons == MessageButtons::YesNo       ? MessageAnswer::No
                                                      : MessageAnswer::Ok;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override {
        QFileDialog dialog(parent, caption, folder, QtDialogFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override {
        QFileDialog dialog(parent, caption, folder, QtDialogFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override {
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    }
};

} // namespace

UserDialogs& DefaultUserDialogs() {
    static QtUserDialogs dialogs;
    return dialogs;
}

QString QtDialogFilter(const QString& designFilter) {
    // "A (*.a)|*.a|B (*.b)|*.b": every second part is the pattern list Qt already has in the name.
    const QStringList parts = designFilter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

} // namespace vantora
