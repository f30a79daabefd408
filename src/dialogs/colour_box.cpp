#include "dialogs/colour_box.h"

#include "dialogs/colour_conversion.h"
#include "model/colour_names.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace vantora {
namespace {

constexpr int kCustomIndex = 0;

} // namespace

QIcon ColourSwatch(TColor colour) {
    QPixmap swatch(16, 12);
    swatch.fill(ToQColor(colour));
    QPainter painter(&swatch);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    return QIcon(swatch);
}

TColorBox::TColorBox(UserPrompts& prompts, CustomEntry custom, QWidget* parent)
    : QComboBox(parent), prompts_(prompts), hasCustomEntry_(custom == CustomEntry::Offered) {
    if (hasCustomEntry_)
        addItem(ColourSwatch(clBlack), QString::fromLatin1(kCustomCaption));
    for (const NamedColour& entry : NamedColours())
        addItem(ColourSwatch(entry.value), QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size())));
    setMaxVisibleItems(count());
    setColour(clWhite);
    connect(this, &QComboBox::activated, this, &TColorBox::onActivated);
}

int TColorBox::indexOfNamed(TColor colour) const {
    const auto named = NamedColours();
    for (std::size_t i = 0; i < named.size(); ++i)
        if (named[i].value == colour)
            return int(i) + (hasCustomEntry_ ? 1 : 0);
    return -1;
}

void TColorBox::showCustomColour(TColor colour) {
    setItemIcon(kCustomIndex, ColourSwatch(colour));
    setCurrentIndex(kCustomIndex);
}

void TColorBox::setColour(TColor colour) {
    colour_ = colour;
    const int named = indexOfNamed(colour);
    if (named >= 0)
        setCurrentIndex(named);
    else if (hasCustomEntry_)
        showCustomColour(colour);
    else
        setCurrentIndex(-1);
}

void TColorBox::onActivated(int index) {
    if (hasCustomEntry_ && index == kCustomIndex) {
        const std::optional<TColor> chosen = prompts_.chooseColour(this, colour_);
        if (!chosen) {
            setColour(colour_); // back to what was shown before
            return;
        }
        setColour(*chosen);
    } else {
        const int named = index - (hasCustomEntry_ ? 1 : 0);
        const auto colours = NamedColours();
        if (named < 0 || std::size_t(named) >= colours.size())
            return;
        colour_ = colours[std::size_t(named)].value;
    }
    emit colourChosen(colour_);
}

} // namespace vantora
