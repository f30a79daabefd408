#include "dialogs/program_identity.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#ifndef VANTORA_FILE_VERSION
#define VANTORA_FILE_VERSION "0.0.0.0"
#endif

namespace vantora {
namespace {

// A blue rounded tile holding a small screen with a play triangle: a movie made of screens.
QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(90, 150, 255));
    tile.setColorAt(1, QColor(20, 60, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
    painter.setBrush(QColor(255, 255, 255, 235));
    const QRectF screen(s * 0.16, s * 0.22, s * 0.68, s * 0.48);
    painter.drawRoundedRect(screen, s * 0.05, s * 0.05);
    painter.setBrush(QColor(230, 120, 20));
    QPainterPath play;
    play.moveTo(s * 0.42, s * 0.32);
    play.lineTo(s * 0.62, s * 0.46);
    play.lineTo(s * 0.42, s * 0.60);
    play.closeSubpath();
    painter.drawPath(play);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(QRectF(s * 0.40, s * 0.72, s * 0.20, s * 0.06));
    return pixmap;
}

} // namespace

QString ApplicationTitle() {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Vantora") : name;
}

QString ProgramFileVersion() { return QStringLiteral(VANTORA_FILE_VERSION); }

QIcon ProgramIcon() {
    // The program's own icon once the application has one; our drawing before that.
    const QIcon application = QGuiApplication::windowIcon();
    if (!application.isNull() && !application.availableSizes().isEmpty())
        return application;
    static const QIcon icon = [] {
        QIcon drawn;
        for (const int size : {16, 32, 48, 64})
            drawn.addPixmap(DrawIcon(size));
        return drawn;
    }();
    return icon;
}

} // namespace vantora
