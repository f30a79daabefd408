#include "dialogs/image_editor/image_view.h"

#include <QPainter>

namespace vantora {

QRect ImagePlacement(QSize picture, QSize view) {
    if (picture.isEmpty() || view.isEmpty())
        return {};
    QSize shown = picture;
    if (picture.width() > view.width() || picture.height() > view.height())
        shown = picture.scaled(view, Qt::KeepAspectRatio);
    shown = shown.expandedTo(QSize(1, 1));
    return QRect(QPoint((view.width() - shown.width()) / 2, (view.height() - shown.height()) / 2), shown);
}

TImageView::TImageView(QWidget* parent) : QWidget(parent) { setFixedSize(kImageViewWidth, kImageViewHeight); }

void TImageView::setImage(QImage image) {
    image_ = std::move(image);
    update();
}

void TImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor silver(0xC0, 0xC0, 0xC0);
    for (int y = 0; y < height(); y += kCheckerCell)
        for (int x = 0; x < width(); x += kCheckerCell)
            painter.fillRect(x, y, kCheckerCell, kCheckerCell, ((x + y) / kCheckerCell) % 2 ? silver : Qt::white);
    if (image_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(ImagePlacement(image_.size(), size()), image_);
}

} // namespace vantora
