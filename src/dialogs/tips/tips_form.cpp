#include "dialogs/tips/tips_form.h"

#include "base/program_folder.h"
#include "base/safe_file.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/program_identity.h"
#include "dialogs/tips/rtf_reader.h"
#include "storage/app_settings_file.h"
#include "storage/editor_settings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <system_error>

namespace vantora {
namespace {

// A tips file larger than this is not ours; it is shown as empty rather than read.
constexpr std::uintmax_t kMaxTipsFileBytes = 2 * 1024 * 1024;

void FillTips(QTextDocument& document, const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileLimited(file, kMaxTipsFileBytes, bytes).ok())
        return;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!ReadRtf(text, document))
        document.setPlainText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

} // namespace

TipsDecision DecideTips(TipsOccasion occasion, const std::string& storedVersion, const std::string& programVersion,
                        bool tipsFileExists) {
    const bool acknowledged = storedVersion == programVersion;
    TipsDecision decision;
    decision.show = tipsFileExists && (occasion == TipsOccasion::Menu || !acknowledged);
    decision.offerCheckBox = decision.show && !acknowledged;
    return decision;
}

TTipsForm::TTipsForm(const std::filesystem::path& tipsFile, bool offerCheckBox, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("What's New?"));
    setObjectName(QStringLiteral("TipsForm"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* title = new QLabel(QStringLiteral("What's New?"), this);
    title->setObjectName(QStringLiteral("TitleLabel"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("TipsText"));
    text->setOpenExternalLinks(true);
    FillTips(*text->document(), tipsFile);
    text->moveCursor(QTextCursor::Start); // read from the top

    showOnStartup_ = new QCheckBox(QStringLiteral("Show this on startup"), this);
    showOnStartup_->setObjectName(QStringLiteral("ShowOnStartupBox"));
    showOnStartup_->setChecked(true);
    showOnStartup_->setVisible(offerCheckBox);
    QPushButton* ok = MakeOkButton(*this, QStringLiteral("OK"));

    auto* header = new QHBoxLayout;
    header->addWidget(icon);
    header->addWidget(title, 1);
    auto* footer = new QHBoxLayout;
    footer->addWidget(showOnStartup_);
    footer->addStretch(1);
    footer->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(text, 1);
    layout->addLayout(footer);
    resize(520, 400);
    ok->setFocus();
}

bool TTipsForm::acknowledged() const {
    return result() == QDialog::Accepted && !showOnStartup_->isHidden() && !showOnStartup_->isChecked();
}

bool RunTipsForm(TipsOccasion occasion, QWidget* parent, const DialogDriver& drive) {
    const std::filesystem::path settings = SettingsFile();
    const std::filesystem::path tipsFile = ProgramFolder() / kTipsFileName;
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(tipsFile, error);
    const std::string programVersion = ProgramFileVersion().toStdString();
    const TipsDecision decision = DecideTips(occasion, ReadAcknowledgedVersion(settings), programVersion, exists);
    if (!decision.show)
        return false;
    TTipsForm form(tipsFile, decision.offerCheckBox, parent);
    drive(form);
    if (form.acknowledged())
        WriteAcknowledgedVersion(settings, programVersion);
    return true;
}

} // namespace vantora
