#include "editor/scene_list/scene_card_geometry.h"

#include <algorithm>
#include <cmath>

namespace vantora::scene_list {
namespace {

// A rectangle given by its corners the way the card's layout names them: right and bottom lie
// just outside.
QRect Span(int left, int top, int right, int bottom) {
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

} // namespace

QRect CardFrame(QSize card) { return Span(2, 2, card.width() - 4, card.height() - 4); }

QRect CardInnerArea(QSize card) { return Span(6, 6, card.width() - 8, card.height() - 19); }

QRect ThumbnailBox(QSize card, std::int64_t demoWidth, std::int64_t demoHeight) {
    if (demoWidth <= 0 || demoHeight <= 0)
        return {};
    const double across = double(card.width() - 15) / double(demoWidth);
    const double down = double(card.height() - 26) / double(demoHeight);
    const double scale = std::max(0.0, std::min({1.0, across, down}));
    const int width = int(std::lround(double(demoWidth) * scale));
    const int height = int(std::lround(double(demoHeight) * scale));
    const QRect inner = CardInnerArea(card);
    return QRect(inner.left() + (inner.width() - width) / 2, inner.top() + (inner.height() - height) / 2, width,
                 height);
}

QPoint LengthTextOrigin(QSize card) { return QPoint(30, card.height() - 19); }

QRect NameTextBox(QSize card) { return Span(60, card.height() - 19, card.width() - 8, card.height() - 5); }

int TextBaseline(QSize card) { return card.height() - 7 - kSelectionFrameWidth; }

QRect NumberBox(QSize card) { return Span(6, card.height() - 19, 28, card.height() - 6); }

QRect SelectionFrame(QSize card) { return Span(3, 3, card.width() - 6, card.height() - 7); }

QString LengthText(std::int32_t length) {
    return QString::asprintf("%2.1fs", double(length) / 10.0);
}

QString CardNameText(const std::string& name) {
    if (name.empty())
        return QStringLiteral("_____________");
    return QString::fromStdString(name);
}

} // namespace vantora::scene_list
