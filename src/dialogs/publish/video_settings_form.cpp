#include "dialogs/publish/video_settings_form.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantora {
namespace {

QSpinBox* sideBox(int value, const char* name) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(0, video::kMaxSide);
    box->setSpecialValueText("Movie's size");
    box->setValue(value);
    return box;
}

} // namespace

TVideoSettingsForm::TVideoSettingsForm(const publish::PublishSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle("Video Settings");
    const video::VideoOptions& options = settings.video;
    hold_ = new QDoubleSpinBox;
    hold_->setObjectName("HoldEdit");
    hold_->setRange(0, video::kMaxHoldSeconds);
    hold_->setSingleStep(0.5);
    hold_->setDecimals(1);
    hold_->setSuffix(" s");
    hold_->setValue(options.holdSeconds);
    width_ = sideBox(options.size ? options.size->width : 0, "WidthEdit");
    height_ = sideBox(options.size ? options.size->height : 0, "HeightEdit");
    rate_ = new QDoubleSpinBox;
    rate_->setObjectName("RateEdit");
    rate_->setRange(0, video::kMaxRate);
    rate_->setDecimals(1);
    rate_->setSpecialValueText("Movie's rate (GIF: 10)");
    rate_->setValue(options.rate.value_or(0));
    quality_ = new QSpinBox;
    quality_->setObjectName("QualityEdit");
    quality_->setRange(1, 100);
    quality_->setValue(options.quality);

    auto* form = new QFormLayout;
    form->addRow("Hold at stop points:", hold_);
    form->addRow("Width:", width_);
    form->addRow("Height:", height_);
    form->addRow("Frames per second:", rate_);
    form->addRow("Quality (1-100):", quality_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

publish::PublishSettings TVideoSettingsForm::settings() const {
    publish::PublishSettings settings = settings_;
    video::VideoOptions& options = settings.video;
    options.holdSeconds = hold_->value();
    // A box needs both sides; one side alone keeps the aspect from the other.
    const int width = width_->value(), height = height_->value();
    if (width >= 2 || height >= 2)
        options.size = video::VideoSize{width >= 2 ? width : video::kMaxSide, height >= 2 ? height : video::kMaxSide};
    else
        options.size.reset();
    options.rate = rate_->value() >= 1 ? std::optional<double>(rate_->value()) : std::nullopt;
    options.quality = quality_->value();
    return settings;
}

bool RunVideoSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive) {
    TVideoSettingsForm form(settings, parent);
    if (drive(form) != QDialog::Accepted)
        return false;
    settings = form.settings();
    return true;
}

} // namespace vantora
