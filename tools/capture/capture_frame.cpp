#include "capture_frame.h"

#include "capture_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace vantora::grabbit {
namespace {

const QColor kBorderColour(0xE0, 0x20, 0x20);

} // namespace

CaptureFrame::CaptureFrame(QSize demo, const QRect& area)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      demo_(demo) {
    setObjectName(QStringLiteral("CaptureFrame"));
    setWindowTitle(QStringLiteral("Capture Area"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true); // the cursor tells moving from resizing
    setArea(area);
}

void CaptureFrame::setArea(const QRect& area) {
    area_ = area;
    setGeometry(area.adjusted(-kBorder, -kBorder, kGrip, kGrip));
    const QRect inside(QPoint(kBorder, kBorder), area.size());
    QRegion shown = QRegion(inside.adjusted(-kBorder, -kBorder, kBorder, kBorder)) - QRegion(inside);
    shown += gripRect();
    setMask(shown);
    update();
    emit areaChanged(area_);
}

QRect CaptureFrame::gripRect() const {
    return QRect(QPoint(kBorder + area_.width(), kBorder + area_.height()), QSize(kGrip, kGrip));
}

bool CaptureFrame::onGrip(QPoint local) const { return gripRect().contains(local); }

void CaptureFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBorderColour);
    painter.fillRect(gripRect().adjusted(3, 3, -3, -3), Qt::white);
}

void CaptureFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    lastPressTime_ = event->timestamp();
    drag_ = onGrip(event->position().toPoint()) ? Drag::Resize : Drag::Move;
    dragStart_ = event->globalPosition().toPoint();
    areaAtStart_ = area_;
}

void CaptureFrame::mouseMoveEvent(QMouseEvent* event) {
    const QPoint now = event->globalPosition().toPoint();
    if (drag_ == Drag::Move) {
        setArea(areaAtStart_.translated(now - dragStart_));
    } else if (drag_ == Drag::Resize) {
        setArea(ResizedArea(areaAtStart_, areaAtStart_.bottomRight() + (now - dragStart_), demo_));
    } else {
        setCursor(onGrip(event->position().toPoint()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
    }
}

void CaptureFrame::mouseReleaseEvent(QMouseEvent*) { drag_ = Drag::None; }

} // namespace vantora::grabbit
