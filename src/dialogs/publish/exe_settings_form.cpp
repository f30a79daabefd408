#include "dialogs/publish/exe_settings_form.h"

#include "publish/shipped_files.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantora {
namespace {

constexpr const char* kIconFilter = "Icons (*.ico)|*.ico";

QComboBox* comboOf(const QStringList& names, int index, const char* objectName) {
    auto* combo = new QComboBox;
    combo->addItems(names);
    combo->setCurrentIndex(index);
    combo->setObjectName(objectName);
    return combo;
}

QLineEdit* editOf(const std::string& text, const char* objectName) {
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(objectName);
    return edit;
}

} // namespace

TExeSettingsForm::TExeSettingsForm(const publish::PublishSettings& settings, bool windowSettings, UserPrompts& prompts,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle("Executable File Settings");
    title_ = editOf(settings.title, "TitleEdit");
    style_ = comboOf({"Normal", "Normal without border", "Full screen", "Full screen fit size"}, settings.style, "StyleCombo");
    exitKey_ = comboOf({"None", "Esc", "Space", "Enter", "Any"}, settings.exitKey, "ExitKeyCombo");
    style_->setEnabled(windowSettings);
    exitKey_->setEnabled(windowSettings);
    auto* window = new QFormLayout;
    window->addRow("Title:", title_);
    window->addRow("Style:", style_);
    window->addRow("Key For Exit:", exitKey_);
    // The captions of the window controls grey out with them.
    for (QWidget* control : {static_cast<QWidget*>(style_), static_cast<QWidget*>(exitKey_)})
        window->labelForField(control)->setEnabled(windowSettings);

    description_ = editOf(settings.fileDescription, "DescriptionEdit");
    company_ = editOf(settings.companyName, "CompanyEdit");
    copyright_ = editOf(settings.legalCopyright, "CopyrightEdit");
    auto* information = new QGroupBox("File Information");
    auto* informationLayout = new QFormLayout(information);
    informationLayout->addRow("File Description:", description_);
    informationLayout->addRow("Company Name:", company_);
    informationLayout->addRow("Legal Copyright:", copyright_);

    auto* version = new QGroupBox("File Version");
    auto* versionLayout = new QHBoxLayout(version);
    const std::uint16_t numbers[4] = {settings.version.major, settings.version.minor, settings.version.release,
                                      settings.version.build};
    const char* captions[4] = {"Major:", "Minor:", "Release:", "Build:"};
    for (int i = 0; i < 4; ++i) {
        version_[i] = new QSpinBox;
        version_[i]->setRange(0, publish::kMaxVersionNumber);
        version_[i]->setValue(numbers[i]);
        version_[i]->setObjectName(QString("Version%1Edit").arg(i));
        versionLayout->addWidget(new QLabel(captions[i]));
        versionLayout->addWidget(version_[i]);
        connect(version_[i], &QSpinBox::valueChanged, this, &TExeSettingsForm::updateVersionLabel);
    }
    versionLabel_ = new QLabel;
    versionLabel_->setObjectName("VersionLabel");
    versionLayout->addWidget(versionLabel_);

    auto* icon = new QGroupBox("File Icon");
    auto* iconLayout = new QHBoxLayout(icon);
    iconImage_ = new QLabel;
    iconImage_->setObjectName("IconImage");
    iconImage_->setFixedSize(48, 48);
    iconImage_->setCursor(Qt::PointingHandCursor);
    iconImage_->installEventFilter(this);
    auto* select = new QPushButton("Select Icon File...");
    connect(select, &QPushButton::clicked, this, &TExeSettingsForm::selectIconFile);
    iconLayout->addWidget(iconImage_);
    iconLayout->addWidget(select);
    iconLayout->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(window);
    layout->addWidget(information);
    layout->addWidget(version);
    layout->addWidget(icon);
    layout->addWidget(buttons);
    updateVersionLabel();
    updateIconImage();
}

QString TExeSettingsForm::versionText() const {
    QString text = "Version ";
    for (QSpinBox* part : version_)
        text += QString::number(part->value()) + ".";
    return text;
}

void TExeSettingsForm::updateVersionLabel() { versionLabel_->setText(versionText()); }

// The chosen icon, or the program's own when none is chosen or the file is gone.
void TExeSettingsForm::updateIconImage() {
    const QString chosen = QString::fromStdString(settings_.programIcon.string());
    QIcon icon;
    if (!chosen.isEmpty() && QFileInfo::exists(chosen))
        icon = QIcon(chosen);
    if (icon.isNull())
        icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QIcon(QString::fromStdString(publish::ProgramFile(publish::kDefaultCdIcon).string()));
    iconImage_->setPixmap(icon.pixmap(48, 48));
}

void TExeSettingsForm::selectIconFile() {
    const QString file = prompts_.openFileName(this, kIconFilter);
    if (file.isEmpty())
        return;
    settings_.programIcon = file.toStdString();
    updateIconImage();
}

bool TExeSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == iconImage_ && event->type() == QEvent::MouseButtonRelease) {
        selectIconFile();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

publish::PublishSettings TExeSettingsForm::settings() const {
    publish::PublishSettings settings = settings_;
    settings.title = title_->text().toStdString();
    settings.style = style_->currentIndex();
    settings.exitKey = exitKey_->currentIndex();
    settings.fileDescription = description_->text().toStdString();
    settings.companyName = company_->text().toStdString();
    settings.legalCopyright = copyright_->text().toStdString();
    settings.version = {static_cast<std::uint16_t>(version_[0]->value()), static_cast<std::uint16_t>(version_[1]->value()),
                        static_cast<std::uint16_t>(version_[2]->value()), static_cast<std::uint16_t>(version_[3]->value())};
    return settings;
}

bool RunExeSettingsForm(publish::PublishSettings& settings, bool windowSettings, UserPrompts& prompts, QWidget* parent,
                        const DialogDriver& drive) {
    TExeSettingsForm form(settings, windowSettings, prompts, parent);
    if (drive(form) != QDialog::Accepted)
        return false;
    settings = form.settings();
    return true;
}

} // namespace vantora
