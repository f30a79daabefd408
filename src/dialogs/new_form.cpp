#include "dialogs/new_form.h"

#include "dialogs/colour_box.h"
#include "dialogs/demo_settings_controls.h"
#include "dialogs/dialog_buttons.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace vantora {
namespace {

constexpr TSizePreset kPresets[] = {
    {"640x480", 640, 480},   {"800x600", 800, 600},   {"1024x768", 1024, 768}, {"320x320", 320, 320},
    {"240x320", 240, 320},   {"200x280", 200, 280},   {"980x640", 980, 640},
};

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

std::span<const TSizePreset> SizePresets() { return kPresets; }

TNewForm::TNewForm(UserPrompts& prompts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Create New Demo"));
    setObjectName(QStringLiteral("NewForm"));

    titleEdit_ = new QLineEdit(QStringLiteral("Demo"), this);
    titleEdit_->setObjectName(QStringLiteral("TitleEdit"));
    widthEdit_ = MakeDemoSizeEdit(640, this);
    widthEdit_->setObjectName(QStringLiteral("WidthEdit"));
    heightEdit_ = MakeDemoSizeEdit(480, this);
    heightEdit_->setObjectName(QStringLiteral("HeightEdit"));
    presetBox_ = new QComboBox(this);
    presetBox_->setObjectName(QStringLiteral("PresetBox"));
    for (const TSizePreset& preset : kPresets)
        presetBox_->addItem(QString::fromLatin1(preset.caption));
    presetBox_->addItem(QString::fromLatin1(kScreenSizePreset));
    presetBox_->addItem(QString::fromLatin1(kCustomPreset));
    presetBox_->setMinimumWidth(110);
    colourBox_ = new TColorBox(prompts, TColorBox::CustomEntry::Offered, this);
    colourBox_->setObjectName(QStringLiteral("BackColorBox"));
    colourBox_->setColour(clWhite);

    frameRate_ = new TFrameRateGroup(QStringLiteral("Frames per second"), this);
    frameRate_->setFactor(2);

    auto* creation = new QGroupBox(QStringLiteral("Create Scene"), this);
    oneBlank_ = new QRadioButton(QStringLiteral("One Blank"), creation);
    oneBlank_->setObjectName(QStringLiteral("OneBlankButton"));
    importImages_ = new QRadioButton(QStringLiteral("Import Images"), creation);
    importImages_->setObjectName(QStringLiteral("ImportImagesButton"));
    importImages_->hide(); // offered later; until then it behaves like "One Blank"
    takeShots_ = new QRadioButton(QStringLiteral("Take Screen Shots"), creation);
    takeShots_->setObjectName(QStringLiteral("TakeShotsButton"));
    oneBlank_->setChecked(true);
    auto* creationLayout = new QHBoxLayout(creation);
    creationLayout->addWidget(oneBlank_);
    creationLayout->addWidget(importImages_);
    creationLayout->addWidget(takeShots_);
    creationLayout->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("Title: "), titleEdit_, this), 0, 0);
    grid->addWidget(titleEdit_, 0, 1, 1, 5);
    grid->addWidget(BuddyLabel(QStringLiteral("Width:"), widthEdit_, this), 1, 0);
    grid->addWidget(widthEdit_, 1, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Height:"), heightEdit_, this), 1, 2);
    grid->addWidget(heightEdit_, 1, 3);
    grid->addWidget(BuddyLabel(QStringLiteral("Preset:"), presetBox_, this), 1, 4);
    grid->addWidget(presetBox_, 1, 5);
    grid->addWidget(BuddyLabel(QStringLiteral("Back Color:"), colourBox_, this), 2, 0);
    grid->addWidget(colourBox_, 2, 1, 1, 3);
    grid->setColumnStretch(5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(frameRate_);
    layout->addWidget(creation);
    layout->addStretch(1);
    layout->addLayout(MakeOkCancelRow(*this));

    connect(presetBox_, &QComboBox::activated, this, &TNewForm::applyPreset);
    connect(widthEdit_, &QSpinBox::valueChanged, this, &TNewForm::showMatchingPreset);
    connect(heightEdit_, &QSpinBox::valueChanged, this, &TNewForm::showMatchingPreset);
    showMatchingPreset();
    SetTabChain({titleEdit_, widthEdit_, heightEdit_, presetBox_, colourBox_, frameRate_->button(1),
                 frameRate_->button(2), frameRate_->button(4), oneBlank_, takeShots_});
    titleEdit_->setFocus();
}

QSize ScreenSizeInDevicePixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
}

void TNewForm::applyPreset(int index) {
    const int fixed = int(std::size(kPresets));
    QSize size;
    if (index >= 0 && index < fixed)
        size = QSize(kPresets[index].width, kPresets[index].height);
    else if (index == fixed)
        size = ScreenSizeInDevicePixels();
    if (size.isValid()) {
        widthEdit_->setValue(size.width());
        heightEdit_->setValue(size.height());
    }
    showMatchingPreset(); // "Custom", or a screen larger than the largest demo, shows what it is
}

void TNewForm::showMatchingPreset() {
    const QSize size(widthEdit_->value(), heightEdit_->value());
    const int fixed = int(std::size(kPresets));
    int index = fixed + 1; // "Custom"
    for (int i = 0; i < fixed; ++i)
        if (size == QSize(kPresets[i].width, kPresets[i].height)) {
            index = i;
            break;
        }
    if (index > fixed && size == ScreenSizeInDevicePixels())
        index = fixed;
    presetBox_->setCurrentIndex(index);
}

TNewDemoChoice TNewForm::choice() const {
    TNewDemoChoice choice;
    choice.Settings.Name = titleEdit_->text().trimmed().toStdString();
    choice.Settings.Width = widthEdit_->value();
    choice.Settings.Height = heightEdit_->value();
    choice.Settings.BackColor = colourBox_->colour();
    choice.Settings.FrameRateFactor = frameRate_->factor(2);
    if (takeShots_->isChecked())
        choice.Creation = TSceneCreation::TakeScreenShots;
    else if (importImages_->isChecked())
        choice.Creation = TSceneCreation::ImportImages;
    else
        choice.Creation = TSceneCreation::OneBlank;
    return choice;
}

TNewDemoChoice RunNewForm(QWidget* parent, UserPrompts& prompts, const DialogDriver& drive) {
    TNewForm form(prompts, parent);
    const int result = drive(form);
    TNewDemoChoice choice = form.choice();
    choice.Confirmed = result == QDialog::Accepted;
    return choice;
}

} // namespace vantora
