#include "dialogs/demo_properties_form.h"

#include "dialogs/colour_box.h"
#include "dialogs/demo_settings_controls.h"
#include "dialogs/dialog_buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantora {

TDemoPropertiesForm::TDemoPropertiesForm(const TDemoSettings& current, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), initial_(current) {
    setWindowTitle(QStringLiteral("Demo Properties"));
    setObjectName(QStringLiteral("DemoPropertiesForm"));

    nameEdit_ = new QLineEdit(QString::fromStdString(current.Name), this);
    nameEdit_->setObjectName(QStringLiteral("NameEdit"));
    widthEdit_ = MakeDemoSizeEdit(current.Width, this);
    widthEdit_->setObjectName(QStringLiteral("WidthEdit"));
    heightEdit_ = MakeDemoSizeEdit(current.Height, this);
    heightEdit_->setObjectName(QStringLiteral("HeightEdit"));
    colourBox_ = new TColorBox(prompts, TColorBox::CustomEntry::Offered, this);
    colourBox_->setObjectName(QStringLiteral("BackColorBox"));
    colourBox_->setColour(current.BackColor);
    frameRate_ = new TFrameRateGroup(QStringLiteral("Frames Per Second"), this);
    frameRate_->setFactor(current.FrameRateFactor);

    auto* grid = new QGridLayout;
    const auto addRow = [&](int row, const QString& caption, QWidget* field, int span) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, span);
    };
    addRow(0, QStringLiteral("Demo Name:"), nameEdit_, 3);
    addRow(1, QStringLiteral("Width:"), widthEdit_, 1);
    auto* heightLabel = new QLabel(QStringLiteral("Height:"), this);
    heightLabel->setBuddy(heightEdit_);
    grid->addWidget(heightLabel, 1, 2, Qt::AlignRight);
    grid->addWidget(heightEdit_, 1, 3);
    addRow(2, QStringLiteral("Back Color:"), colourBox_, 3);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(frameRate_);
    layout->addStretch(1);
    layout->addLayout(MakeOkCancelRow(*this));
    setMinimumWidth(340);

    // Filling the controls above may have fired their signals; editing starts only now.
    changed_ = false;
    confirmed_ = false;
    connect(nameEdit_, &QLineEdit::textEdited, this, &TDemoPropertiesForm::markChanged);
    connect(widthEdit_, &QSpinBox::valueChanged, this, &TDemoPropertiesForm::markChanged);
    connect(heightEdit_, &QSpinBox::valueChanged, this, &TDemoPropertiesForm::markChanged);
    connect(colourBox_, &TColorBox::colourChosen, this, &TDemoPropertiesForm::markChanged);
    connect(frameRate_, &TFrameRateGroup::clicked, this, &TDemoPropertiesForm::markChanged);
    connect(this, &QDialog::accepted, this, [this] { confirmed_ = true; });
    nameEdit_->setFocus();
}

TDemoSettings TDemoPropertiesForm::settings() const {
    TDemoSettings settings;
    settings.Name = nameEdit_->text().toStdString();
    settings.Width = widthEdit_->value();
    settings.Height = heightEdit_->value();
    settings.BackColor = colourBox_->colour();
    settings.FrameRateFactor = frameRate_->factor(initial_.FrameRateFactor);
    return settings;
}

std::optional<TDemoSettings> RunDemoPropertiesForm(const TDemoSettings& current, QWidget* parent,
                                                   UserPrompts& prompts, const DialogDriver& drive) {
    TDemoPropertiesForm form(current, prompts, parent);
    const bool confirmed = drive(form) == QDialog::Accepted || form.confirmed();
    if (form.changed() && confirmed)
        return form.settings();
    return std::nullopt;
}

} // namespace vantora
