// The Help menu: the help file (or the manual shipped with the program), a mail to support and
// the home page open through the desktop; "What's New..." and "About..." show their windows.

#include "editor/main_window/main_form.h"

#include "dialogs/about_form.h"
#include "dialogs/tips/tips_form.h"

#include "editor/main_window/main_form_texts.h"
#include "platform/desktop_services.h"
#include "platform/user_dialogs.h"
#include "base/program_folder.h"
#include "publish/shipped_files.h"

#include <QAction>
#include <QUrl>

#include <optional>

namespace vantora {
namespace {

// The help file in the program folder where one exists, else the manual's first page; none when
// neither is there.
std::optional<std::filesystem::path> HelpDocument() {
    std::error_code error;
    const std::filesystem::path helpFile = ProgramFolder() / kHelpFileName.toStdString();
    if (std::filesystem::is_regular_file(helpFile, error))
        return helpFile;
    if (const std::optional<std::filesystem::path> manual = publish::ShippedFile("manual")) {
        const std::filesystem::path first = *manual / "index.html";
        if (std::filesystem::is_regular_file(first, error))
            return first;
    }
    return std::nullopt;
}

} // namespace

void TMainForm::ConnectHelpActions() {
    connect(actions_.VantoraHelp1, &QAction::triggered, this, [this] { VantoraHelp1Click(); });
    connect(actions_.TechnicalSupport1, &QAction::triggered, this, [this] { TechnicalSupport1Click(); });
    connect(actions_.HomePage1, &QAction::triggered, this, [this] { HomePage1Click(); });
    connect(actions_.WhatsNew1, &QAction::triggered, this, [this] { WhatsNew1Click(); });
    connect(actions_.About1, &QAction::triggered, this, [this] { About1Click(); });
}

void TMainForm::VantoraHelp1Click() {
    if (const std::optional<std::filesystem::path> help = HelpDocument())
        desktop().openUrl(QUrl::fromLocalFile(QString::fromStdString(help->string())));
    else
        dialogs().message(this, kHelpCaption, kHelpMissing, MessageIcon::Information, MessageButtons::Ok);
}

void TMainForm::TechnicalSupport1Click() { desktop().openUrl(QUrl(QStringLiteral("mailto:") + kSupportAddress)); }

void TMainForm::HomePage1Click() { desktop().openUrl(QUrl(kHomePage)); }

void TMainForm::WhatsNew1Click() {
    RunTipsForm(TipsOccasion::Menu, this, [this](QDialog& dialog) { return RunDialog(dialog); });
}

void TMainForm::About1Click() {
    PlatformPrompts prompts(dialogs(), desktop());
    RunAboutForm(this, prompts, [this](QDialog& dialog) { return RunDialog(dialog); });
}

// The tips window of the start-up, once per program version until the author turns it off.
void TMainForm::ShowStartupTips() {
    RunTipsForm(TipsOccasion::StartUp, this, [this](QDialog& dialog) { return RunDialog(dialog); });
}

} // namespace vantora
