#include "app/player_app/player_window.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace vantora {
namespace {

enum Style { Normal, NormalWithoutBorder, FullScreen, FullScreenFitSize };
enum ExitKey { None, Esc, Space, Enter, Any };

QColor colourOf(TColor colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

} // namespace

TPlayerWindow::TPlayerWindow(const publish::StandaloneWindow& settings, player::FlashPlayer& movie, QWidget* parent)
    : QWidget(parent), settings_(settings), movie_(movie) {
    setWindowTitle(QString::fromStdString(settings.title));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (settings.style == NormalWithoutBorder)
        setWindowFlag(Qt::FramelessWindowHint);
    const double rate = movie.Definition() ? movie.Definition()->FrameRate() : 20.0;
    timer_.setInterval(static_cast<int>(std::lround(1000.0 / std::clamp(rate, 1.0, 120.0))));
    connect(&timer_, &QTimer::timeout, this, [this] {
        movie_.Tick();
        update();
    });
    movie_.SetUrlHandler([](const std::string& url, const std::string&) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    });
    timer_.start();
}

void TPlayerWindow::showByStyle() {
    if (settings_.style == FullScreen || settings_.style == FullScreenFitSize) {
        showFullScreen();
        return;
    }
    setFixedSize(std::max(1, settings_.width), std::max(1, settings_.height));
    show();
}

bool TPlayerWindow::ClosesOn(int exitKey, int key) {
    switch (exitKey) {
    case Esc: return key == Qt::Key_Escape;
    case Space: return key == Qt::Key_Space;
    case Enter: return key == Qt::Key_Return || key == Qt::Key_Enter;
    case Any: return true;
    default: return false;
    }
}

// The stage at its own size, centred; scaled to fill as much as fits with "Full screen fit size".
QRect TPlayerWindow::stageRect() const {
    const QSize stage(std::max(1, settings_.width), std::max(1, settings_.height));
    QSize shown = stage;
    if (settings_.style == FullScreenFitSize)
        shown = stage.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

QPointF TPlayerWindow::toStage(QPointF point) const {
    const QRect rect = stageRect();
    return {(point.x() - rect.left()) * settings_.width / std::max(1, rect.width()),
            (point.y() - rect.top()) * settings_.height / std::max(1, rect.height())};
}

void TPlayerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourOf(settings_.backColor));
    const QRect target = stageRect();
    QImage frame(target.size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(colourOf(settings_.backColor));
    movie_.Render(frame);
    painter.drawImage(target.topLeft(), frame);
}

void TPlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (ClosesOn(settings_.exitKey, event->key()))
        close();
    else
        QWidget::keyPressEvent(event);
}

void TPlayerWindow::mouseMoveEvent(QMouseEvent* event) { movie_.MouseMove(toStage(event->position())); }
void TPlayerWindow::mousePressEvent(QMouseEvent* event) { movie_.MousePress(toStage(event->position())); }
void TPlayerWindow::mouseReleaseEvent(QMouseEvent* event) {
    movie_.MouseRelease(toStage(event->position()));
    update();
}

} // namespace vantora
