#include "grabbit_form.h"

#include "screen_grab.h"
#include "storage/shots_file.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>

namespace vantora::grabbit {
namespace {

void report(const QString& text) { std::fprintf(stderr, "Grabbit: %s\n", text.toLocal8Bit().constData()); }

} // namespace

TGrabbitForm::TGrabbitForm(const CaptureArguments& arguments, std::filesystem::path shotsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), arguments_(arguments),
      shotsFile_(std::move(shotsFile)), countLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("TGrabbitForm"));
    setWindowTitle(QStringLiteral("Screen Capture"));
    auto* finishButton = new QPushButton(QStringLiteral("Finish"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    finishButton->setObjectName(QStringLiteral("FinishButton"));
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    countLabel_->setObjectName(QStringLiteral("CountLabel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(finishButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(countLabel_);
    layout->addLayout(buttons);
    connect(finishButton, &QPushButton::clicked, this, &TGrabbitForm::finish);
    connect(cancelButton, &QPushButton::clicked, this, &TGrabbitForm::cancel);
    showCount();
    setFixedSize(sizeHint());
    // Out of the way in the top-right corner, where shots are least often clicked.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topRight() - QPoint(width() - 1, 0));
    clock_.start();
}

void TGrabbitForm::pressedAt(QPoint global) {
    if (ended_ || frameGeometry().contains(global))
        return;
    QString error;
    std::optional<GrabbedClick> grabbed = GrabScreenShot(global, static_cast<std::int32_t>(clock_.elapsed()), error);
    if (!grabbed) {
        report(error);
        return;
    }
    if (arguments_.singleShot())
        shots_.single(std::move(grabbed->picture), grabbed->click);
    else
        shots_.clicked(std::move(grabbed->picture), grabbed->click);
    // A line per shot, for whoever watches the tool (the tests wait for it).
    std::printf("Grabbit: shot %d at %d,%d\n", shotCount(), global.x(), global.y());
    std::fflush(stdout);
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
    if (shots_.needsClosingShot()) {
        QString grabError;
        std::optional<TScreenShot> last = GrabScreenPicture(grabError);
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
}

} // namespace vantora::grabbit
