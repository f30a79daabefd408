#include "dialogs/splash_form.h"

#include "dialogs/brand_backdrop.h"
#include "dialogs/program_identity.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vantora {

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(ApplicationTitle());
    setWindowIcon(ProgramIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(44);
    titleFont.setBold(true);
    auto* title = new TEngineTextLabel(ApplicationTitle(), titleFont, qRgb(20, 50, 140), ShadowedTextEffect(), this);
    title->setObjectName(QStringLiteral("TitleText"));
    QFont makerFont(QStringLiteral("Arial"));
    makerFont.setPixelSize(18);
    makerFont.setItalic(true);
    auto* maker = new TEngineTextLabel(QString::fromLatin1(kMakerName), makerFont, qRgb(40, 40, 60),
                                       ShadowedTextEffect(), this);
    maker->setObjectName(QStringLiteral("MakerText"));
    auto* loading = new QLabel(QStringLiteral("Loading..."), this);

    auto* header = new QHBoxLayout;
    header->addWidget(icon);
    header->addWidget(title, 1, Qt::AlignLeft | Qt::AlignVCenter);
    auto* footer = new QHBoxLayout;
    footer->addWidget(loading, 0, Qt::AlignBottom);
    footer->addStretch(1);
    footer->addWidget(maker);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addLayout(header);
    layout->addStretch(1);
    layout->addLayout(footer);
    setFixedSize(440, 240);
}

void TSplashForm::refresh() {
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashForm::paintEvent(QPaintEvent*) { PaintBackdrop(*this); }

std::unique_ptr<TSplashForm> ShowSplash() {
    auto splash = std::make_unique<TSplashForm>();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    splash->refresh();
    return splash;
}

} // namespace vantora
