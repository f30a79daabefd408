#include "dialogs/select_color_form.h"

#include "dialogs/colour_box.h"
#include "dialogs/colour_conversion.h"
#include "dialogs/demo_settings_controls.h"
#include "dialogs/dialog_buttons.h"
#include "model/colour_names.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

QLabel* MakeColourPanel(TColor colour, QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedSize(64, 40);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    panel->setPalette(palette);
    return panel;
}

void SetPanelColour(QLabel* panel, TColor colour) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    panel->setPalette(palette);
}

QWidget* CaptionedPanel(const QString& caption, QLabel* panel, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption, box), 0, Qt::AlignHCenter);
    layout->addWidget(panel, 0, Qt::AlignHCenter);
    return box;
}

} // namespace

TPaletteView::TPaletteView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPaletteWidth, kPaletteHeight);
    setCursor(Qt::CrossCursor);
}

void TPaletteView::setMarker(std::optional<PaletteMarker> marker) {
    marker_ = marker;
    update();
}

void TPaletteView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PalettePicture());
    if (!marker_)
        return;
    // A dark frame outside and a light one inside show on every cell colour; the large white and
    // black cells get a third frame in the colour opposite to theirs.
    const QRect frame = marker_->frame.adjusted(0, 0, -1, -1);
    painter.setPen(Qt::black);
    painter.drawRect(frame);
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    if (marker_->kind == PaletteMarkerKind::WhiteCell || marker_->kind == PaletteMarkerKind::BlackCell) {
        painter.setPen(marker_->kind == PaletteMarkerKind::WhiteCell ? Qt::black : Qt::white);
        painter.drawRect(frame.adjusted(3, 3, -3, -3));
    }
}

void TPaletteView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<TColor> colour = PickPaletteColour(PalettePicture(), event->position().toPoint()))
        emit colourClicked(*colour);
}

TSelectColorForm::TSelectColorForm(TColor initial, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), colour_(initial) {
    setWindowTitle(QStringLiteral("Color Editor"));
    setObjectName(QStringLiteral("SelectColorForm"));

    palette_ = new TPaletteView(this);
    palette_->setObjectName(QStringLiteral("PaletteImage"));
    colourBox_ = new TColorBox(prompts, TColorBox::CustomEntry::None, this);
    colourBox_->setObjectName(QStringLiteral("ColorBox"));
    auto* custom = new QPushButton(QStringLiteral("&Custom..."), this);
    custom->setObjectName(QStringLiteral("CustomButton"));
    newPanel_ = MakeColourPanel(initial, this);
    newPanel_->setObjectName(QStringLiteral("NewPanel"));
    QLabel* currentPanel = MakeColourPanel(initial, this);
    currentPanel->setObjectName(QStringLiteral("CurrentPanel"));
    hexLabel_ = new QLabel(this);
    hexLabel_->setObjectName(QStringLiteral("ColorLabel"));
    hexLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* side = new QVBoxLayout;
    side->addWidget(colourBox_);
    side->addWidget(custom);
    auto* panels = new QHBoxLayout;
    panels->addWidget(CaptionedPanel(QStringLiteral("New"), newPanel_, this));
    panels->addWidget(CaptionedPanel(QStringLiteral("Current"), currentPanel, this));
    side->addLayout(panels);
    side->addWidget(hexLabel_);
    side->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(palette_, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(MakeOkCancelRow(*this, QStringLiteral("Cancel")));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(palette_, &TPaletteView::colourClicked, this, &TSelectColorForm::showColour);
    connect(colourBox_, &TColorBox::colourChosen, this, &TSelectColorForm::showColour);
    connect(custom, &QPushButton::clicked, this, &TSelectColorForm::chooseCustom);
    SetTabChain({colourBox_, custom});
    showColour(initial);
}

void TSelectColorForm::showColour(TColor colour) {
    colour_ = colour;
    colourBox_->setColour(colour);
    SetPanelColour(newPanel_, colour);
    // Named as in the colour box; a colour without a name as the custom colour dialog shows it.
    const std::string name = ColourDisplayName(colour);
    hexLabel_->setText(QStringLiteral("Color: ") +
                       (name == "Custom" ? ColourRgbText(colour) : QString::fromStdString(name)));
    palette_->setMarker(FindPaletteMarker(PalettePicture(), colour));
}

void TSelectColorForm::chooseCustom() {
    if (const std::optional<TColor> chosen = prompts_.chooseColour(this, colour_))
        showColour(*chosen);
}

bool RunSelectColorForm(TColor& colour, QWidget* parent, UserPrompts& prompts, const DialogDriver& drive) {
    TSelectColorForm form(colour, prompts, parent);
    if (drive(form) != QDialog::Accepted || form.colour() == colour)
        return false;
    colour = form.colour();
    return true;
}

} // namespace vantora
