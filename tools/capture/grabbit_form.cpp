#include "grabbit_form.h"

#include "capture_area.h"
#include "capture_frame.h"
#include "screen_grab.h"
#include "storage/shots_file.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace vantora::grabbit {
namespace {

void report(const QString& text) { std::fprintf(stderr, "Grabbit: %s\n", text.toLocal8Bit().constData()); }

} // namespace

TGrabbitForm::TGrabbitForm(const CaptureArguments& arguments, std::filesystem::path shotsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), arguments_(arguments),
      shotsFile_(std::move(shotsFile)), countLabel_(new QLabel(this)), outsideLabel_(new QLabel(this)),
      fullScreen_(new QCheckBox(QStringLiteral("Full screen"), this)),
      recordTyping_(new QCheckBox(QStringLiteral("Record typing"), this)) {
    setObjectName(QStringLiteral("TGrabbitForm"));
    setWindowTitle(QStringLiteral("Screen Capture"));
    auto* finishButton = new QPushButton(QStringLiteral("Finish"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    finishButton->setObjectName(QStringLiteral("FinishButton"));
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    countLabel_->setObjectName(QStringLiteral("CountLabel"));
    outsideLabel_->setObjectName(QStringLiteral("OutsideLabel"));
    fullScreen_->setObjectName(QStringLiteral("FullScreenBox"));
    recordTyping_->setObjectName(QStringLiteral("RecordTypingBox"));
    recordTyping_->setChecked(!arguments_.singleShot());
    recordTyping_->setVisible(!arguments_.singleShot());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(finishButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(countLabel_);
    layout->addWidget(outsideLabel_);
    layout->addWidget(fullScreen_);
    layout->addWidget(recordTyping_);
    layout->addLayout(buttons);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (arguments_.singleShot()) {
        fullScreen_->setChecked(true);
        fullScreen_->setEnabled(false);
        outsideLabel_->hide();
    } else if (screen) {
        const QSize demo(arguments_.width, arguments_.height);
        frame_ = new CaptureFrame(demo, InitialArea(demo, screen->devicePixelRatio(), screen->geometry()));
    }
    connect(fullScreen_, &QCheckBox::toggled, this, &TGrabbitForm::setFullScreen);
    connect(finishButton, &QPushButton::clicked, this, &TGrabbitForm::finish);
    connect(cancelButton, &QPushButton::clicked, this, &TGrabbitForm::cancel);
    showCount();
    setFixedSize(sizeHint());
    // Out of the way in the top-right corner, where shots are least often clicked.
    if (screen)
        move(screen->availableGeometry().topRight() - QPoint(width() - 1, 0));
    clock_.start();
}

TGrabbitForm::~TGrabbitForm() { delete frame_; }

void TGrabbitForm::start() {
    show();
    if (frame_)
        frame_->show();
}

void TGrabbitForm::keyTyped(std::uint32_t keysym, const KeyModifiers& modifiers) {
    // After any press still waiting (see pressedAt), so that keys stay behind the click they follow.
    QTimer::singleShot(0, this, [this, keysym, modifiers] {
        if (!ended_ && recordTyping_->isChecked())
            typed_.key(keysym, modifiers);
    });
}

void TGrabbitForm::setFullScreen(bool on) {
    if (frame_)
        frame_->setVisible(!on);
}

std::optional<ShotRegion> TGrabbitForm::region() const {
    if (!frame_ || fullScreen_->isChecked())
        return std::nullopt;
    return ShotRegion{frame_->area(), QSize(arguments_.width, arguments_.height)};
}

void TGrabbitForm::pressedAt(QPoint global, quint32 time) {
    if (ended_ || frameGeometry().contains(global))
        return;
    if (!frame_ || time == 0)
        handlePress(global, time);
    else
        QTimer::singleShot(0, this, [this, global, time] { handlePress(global, time); });
}

void TGrabbitForm::handlePress(QPoint global, quint32 time) {
    if (ended_ || (frame_ && time != 0 && frame_->lastPressTime() == time))
        return;
    const std::optional<ShotRegion> shotRegion = region();
    if (shotRegion && !shotRegion->area.contains(global)) {
        if (frame_->frameGeometry().contains(global))
            return; // the border: the author moves or resizes the frame
        ++outside_;
        std::printf("Grabbit: click outside at %d,%d\n", global.x(), global.y());
        std::fflush(stdout);
        showCount();
        return;
    }
    QString error;
    std::optional<GrabbedClick> grabbed =
        GrabScreenShot(global, shotRegion, static_cast<std::int32_t>(clock_.elapsed()), error);
    if (!grabbed) {
        report(error);
        return;
    }
    if (arguments_.singleShot()) {
        shots_.single(std::move(grabbed->picture), grabbed->click);
    } else {
        shots_.typed(typed_.take()); // what was typed after the click before this one
        shots_.clicked(std::move(grabbed->picture), grabbed->click);
    }
    // A line per shot, for whoever watches the tool (the tests wait for it).
    std::printf("Grabbit: shot %d at %d,%d\n", shotCount(), global.x(), global.y());
    std::fflush(stdout);
    fullScreen_->setEnabled(false); // the shots of one capture share one size
    showCount();
    if (arguments_.singleShot())
        finish();
}

void TGrabbitForm::finish() { close(); }

void TGrabbitForm::cancel() {
    cancelled_ = true;
    close();
}

void TGrabbitForm::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        ended_ = true;
        if (!cancelled_)
            save();
    }
    event->accept();
}

// No shots means no file: the editor then reports a cancelled capture.
void TGrabbitForm::save() {
    shots_.typed(typed_.take());
    if (shots_.needsClosingShot()) {
        QString grabError;
        std::optional<TScreenShot> last = GrabScreenPicture(region(), grabError);
        if (!last)
            report(grabError);
        shots_.close(std::move(last));
    }
    if (shots_.count() == 0)
        return;
    std::string error;
    if (!WriteShotsFile(shotsFile_, shots_.shots(), error)) {
        savedWell_ = false;
        report(QString::fromStdString(error));
    }
}

void TGrabbitForm::showCount() {
    countLabel_->setText(QStringLiteral("Shots: %1").arg(shots_.count()));
    outsideLabel_->setText(QStringLiteral("Clicks outside the frame: %1").arg(outside_));
}

} // namespace vantora::grabbit
