#include "dialogs/user_prompts.h"

#include "dialogs/colour_conversion.h"
#include "platform/desktop_services.h"
#include "platform/user_dialogs.h"

#include <QFileInfo>
#include <QUrl>

namespace vantora {

PlatformPrompts::PlatformPrompts(UserDialogs& dialogs, DesktopServices& desktop) : dialogs_(dialogs), desktop_(desktop) {}

void PlatformPrompts::information(QWidget* parent, const QString& caption, const QString& text) {
    dialogs_.message(parent, caption, text, MessageIcon::Information, MessageButtons::Ok);
}

bool PlatformPrompts::askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return dialogs_.message(parent, caption, text, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

QString PlatformPrompts::openFileName(QWidget* parent, const QString& filter) {
    return dialogs_.openFileName(parent, QString(), QString(), filter);
}

QString PlatformPrompts::saveFileName(QWidget* parent, const QString& filter, const QString& suggestedName) {
    // The suffix of the suggested file's name only: a dot in a folder name ("/home/a.b/") is none.
    return dialogs_.saveFileName(parent, QString(), suggestedName, filter, QFileInfo(suggestedName).suffix());
}

std::optional<TColor> PlatformPrompts::chooseColour(QWidget* parent, TColor initial) {
    const std::optional<QColor> chosen = dialogs_.chooseColour(parent, ToQColor(initial));
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    return FromQColor(*chosen);
}

void PlatformPrompts::openAddress(const QString& address) { desktop_.openUrl(QUrl(address)); }

UserPrompts& SystemPrompts() {
    static PlatformPrompts prompts(DefaultUserDialogs(), DefaultDesktopServices());
    return prompts;
}

} // namespace vantora
