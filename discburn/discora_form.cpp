// The window itself: its controls, the start steps, the drive list, control states and the log.
// The buttons and the engine's events are handled in discora_operations.cpp.
#include "discburn/discora_form.h"

#include "discburn/folder_layout.h"
#include "discburn/texts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace discora {

namespace {

constexpr int PollIntervalMs = 100;
constexpr int LogColumnWidth = 400;

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

DiscoraForm::DiscoraForm(BurnEngine& engine, QWidget* parent) : QWidget(parent), engine_(engine) {
    setWindowTitle(QStringLiteral("Burn CD/DVD"));
    setObjectName(QStringLiteral("DiscoraForm"));
    showMessage_ = [this](const QString& caption, const QString& text) {
        const bool error = caption == QLatin1String("Error");
        QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                        QMessageBox::Ok, this);
        box.exec();
    };
    askIsoPath_ = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save ISO File"), QString(),
                                            QStringLiteral("ISO File (*.iso)"));
    };
    buildControls();
    pollTimer_ = new QTimer(this);
    connect(pollTimer_, &QTimer::timeout, this, [this] { pollEngine(); });
    pollTimer_->start(PollIntervalMs);
}

DiscoraForm::~DiscoraForm() = default;

void DiscoraForm::buildControls() {
    driveCombo_ = new QComboBox(this);
    driveCombo_->setObjectName(QStringLiteral("driveCombo"));
    driveCombo_->setIconSize(QSize(16, 16));
    driveCombo_->setMinimumWidth(320);
    labelEdit_ = new QLineEdit(QStringLiteral("MYDISC"), this);
    labelEdit_->setObjectName(QStringLiteral("labelEdit"));
    labelEdit_->setMaxLength(32); // the longest volume label a disc can carry
    speedCombo_ = new QComboBox(this);
    speedCombo_->setObjectName(QStringLiteral("speedCombo"));
    speedCombo_->setMinimumWidth(100);

    logList_ = new QTreeWidget(this);
    logList_->setObjectName(QStringLiteral("logList"));
    logList_->setColumnCount(1);
    logList_->setHeaderHidden(true);
    logList_->setRootIsDecorated(false);
    logList_->setUniformRowHeights(true);
    logList_->setSelectionMode(QAbstractItemView::SingleSelection);
    logList_->header()->setStretchLastSection(false);
    logList_->setColumnWidth(0, LogColumnWidth);
    logList_->setMinimumSize(LogColumnWidth + 40, 220);

    panel_ = new QLabel(this);
    panel_->setObjectName(QStringLiteral("panel"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setMinimumHeight(22);
    panel_->setTextFormat(Qt::PlainText);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    writeButton_ = makeButton(QStringLiteral("&Write"), "writeButton", this);
    abortButton_ = makeButton(QStringLiteral("&Abort"), "abortButton", this);
    eraseButton_ = makeButton(QStringLiteral("&Quick Erase"), "quickEraseButton", this);
    ejectButton_ = makeButton(QStringLiteral("&Eject"), "ejectButton", this);
    closeTrayButton_ = makeButton(QStringLiteral("Close &Tray"), "closeTrayButton", this);
    saveIsoButton_ = makeButton(QStringLiteral("&Save ISO File..."), "saveIsoButton", this);
    closeButton_ = makeButton(QStringLiteral("&Close"), "closeButton", this);

    auto* fields = new QGridLayout;
    auto* deviceLabel = new QLabel(QStringLiteral("Device:"), this);
    deviceLabel->setBuddy(driveCombo_);
    auto* volumeLabel = new QLabel(QStringLiteral("Volume Label:"), this);
    volumeLabel->setBuddy(labelEdit_);
    auto* speedLabel = new QLabel(QStringLiteral("Write Speed:"), this);
    speedLabel->setBuddy(speedCombo_);
    fields->addWidget(deviceLabel, 0, 0);
    fields->addWidget(driveCombo_, 0, 1, 1, 3);
    fields->addWidget(volumeLabel, 1, 0);
    fields->addWidget(labelEdit_, 1, 1);
    fields->addWidget(speedLabel, 1, 2, Qt::AlignRight);
    fields->addWidget(speedCombo_, 1, 3);
    fields->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(logList_, 1);
    left->addWidget(panel_);
    left->addWidget(progress_);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {writeButton_, abortButton_, eraseButton_, ejectButton_, closeTrayButton_, saveIsoButton_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(driveCombo_, &QComboBox::currentIndexChanged, this, [this](int index) { driveSelected(index); });
    connect(writeButton_, &QPushButton::clicked, this, [this] { writeClicked(); });
    connect(saveIsoButton_, &QPushButton::clicked, this, [this] { saveIsoClicked(); });
    connect(abortButton_, &QPushButton::clicked, this, [this] { abortClicked(); });
    connect(eraseButton_, &QPushButton::clicked, this, [this] { quickEraseClicked(); });
    connect(ejectButton_, &QPushButton::clicked, this, [this] { ejectClicked(); });
    connect(closeTrayButton_, &QPushButton::clicked, this, [this] { closeTrayClicked(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { close(); });

    setControlsIdle(true);
    // A fixed border: the window keeps the size its contents ask for.
    setFixedSize(sizeHint());
}

bool DiscoraForm::start(const std::optional<QString>& folder) {
    if (!engine_.initialize()) {
        message(QStringLiteral("Error"), QStringLiteral("Devices cannot be initialized!"));
        return false;
    }
    engine_.resetLayout();
    if (!folder)
        return false;
    if (!QFileInfo(*folder).isDir()) {
        message(QStringLiteral("Error"), QString::fromStdString(folderNotFoundText(folder->toStdString())));
        return false;
    }
    addFolderContents(*folder);
    panel_->setText(*folder);
    listDrives();
    return true;
}

void DiscoraForm::addFolderContents(const QString& folder) {
    LayoutReport report;
    report.log = [this](const std::string& line, int icon) { log(QString::fromStdString(line), icon); };
    report.failed = [this](const std::string& errorText) {
        message(QStringLiteral("Error"), QString::fromStdString(errorText));
    };
    discora::addFolderContents(engine_, folder.toStdString(), report);
}

void DiscoraForm::listDrives() {
    const QSignalBlocker blocker(driveCombo_);
    driveCombo_->clear();
    speedCombo_->clear();
    const std::vector<DriveEntry> drives = engine_.drives();
    for (std::size_t i = 0; i < drives.size(); ++i)
        if (drives[i].compatible)
            driveCombo_->addItem(driveIcon(), QString::fromStdString(drives[i].name), static_cast<int>(i));
    if (driveCombo_->count() == 0) {
        message(QStringLiteral("Information"), QStringLiteral("There is no compatible device!"));
    } else {
        driveCombo_->setCurrentIndex(0);
        driveSelected(0);
    }
    setControlsIdle(true);
}

void DiscoraForm::driveSelected(int comboIndex) {
    speedCombo_->clear();
    if (comboIndex < 0)
        return;
    engine_.selectDrive(driveCombo_->itemData(comboIndex).toInt());
    const std::vector<SpeedEntry> speeds = engine_.speeds();
    if (speeds.empty())
        speedCombo_->addItem(QStringLiteral("MAX"), 0);
    for (const SpeedEntry& speed : speeds)
        speedCombo_->addItem(QString::fromStdString(speedText(speed.factor)), speed.value);
    speedCombo_->setCurrentIndex(0);
}

void DiscoraForm::setControlsIdle(bool idle) {
    idle_ = idle;
    const bool haveDrives = driveCombo_->count() > 0;
    const bool driveSelected = driveCombo_->currentIndex() >= 0;
    for (QPushButton* button : {writeButton_, eraseButton_, ejectButton_, closeTrayButton_})
        button->setEnabled(idle && driveSelected);
    driveCombo_->setEnabled(idle && haveDrives);
    speedCombo_->setEnabled(idle && haveDrives);
    saveIsoButton_->setEnabled(idle);
    closeButton_->setEnabled(idle);
    labelEdit_->setEnabled(idle);
    abortButton_->setEnabled(!idle);
}

void DiscoraForm::log(const QString& line, int icon) {
    auto* item = new QTreeWidgetItem(logList_, QStringList{line});
    item->setIcon(0, logIcon(icon)); // a blank one for None keeps all texts in one column
    item->setData(0, Qt::UserRole, icon);
    logList_->scrollToItem(item);
    panel_->setText(line);
}

void DiscoraForm::message(const QString& caption, const QString& text) { showMessage_(caption, text); }

// Closing in the middle of a write would ruin the disc: the window stays until the operation
// has ended (Abort ends it).
void DiscoraForm::closeEvent(QCloseEvent* event) {
    if (!idle_ || engine_.busy()) {
        event->ignore();
        return;
    }
    pollTimer_->stop();
    event->accept();
}

} // namespace discora
