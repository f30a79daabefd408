#include "dialogs/demo_settings_controls.h"

#include "dialogs/radio_tab_stop.h"
#include "model/demo.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace vantora {
namespace {

constexpr std::int32_t kFactors[3] = {1, 2, 4};

} // namespace

QSpinBox* MakeDemoSizeEdit(int value, QWidget* parent) {
    auto* edit = new QSpinBox(parent);
    edit->setRange(kMinDemoSize, kMaxDemoSize);
    edit->setValue(value);
    edit->setAccelerated(true);
    edit->setMinimumWidth(80);
    return edit;
}

void SetTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

TFrameRateGroup::TFrameRateGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    auto* layout = new QHBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QRadioButton(QString::number(10 * kFactors[i]), this);
        buttons_[i]->setObjectName(QStringLiteral("Fps%1Button").arg(10 * kFactors[i]));
        group->addButton(buttons_[i]);
        layout->addWidget(buttons_[i]);
        connect(buttons_[i], &QRadioButton::clicked, this, &TFrameRateGroup::clicked);
    }
    layout->addStretch(1);
    KeepTabStopOnCheckedButton({buttons_[0], buttons_[1], buttons_[2]});
}

std::int32_t TFrameRateGroup::factor(std::int32_t whenNone) const {
    for (int i = 0; i < 3; ++i)
        if (buttons_[i]->isChecked())
            return kFactors[i];
    return whenNone;
}

void TFrameRateGroup::setFactor(std::int32_t factor) {
    // An exclusive group never lets the last checked button go; lift it to check none.
    QButtonGroup* group = buttons_[0]->group();
    group->setExclusive(false);
    for (int i = 0; i < 3; ++i)
        buttons_[i]->setChecked(kFactors[i] == factor);
    group->setExclusive(true);
}

QRadioButton* TFrameRateGroup::button(std::int32_t factor) const {
    for (int i = 0; i < 3; ++i)
        if (kFactors[i] == factor)
            return buttons_[i];
    return nullptr;
}

} // namespace vantora
