#include "preview/shockwave_flash_ex.h"

#include "base/safe_file.h"
#include "player/audio_device_output.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <cmath>
#include <cstring>

namespace vantora {

namespace {

// A movie file larger than the player accepts is refused before it is read.
constexpr std::uintmax_t kMaxMovieFile = 256u << 20;

} // namespace

TShockwaveFlashEx::TShockwaveFlashEx(QWidget* parent, std::unique_ptr<player::SoundOutput> sound)
    : QWidget(parent), sound_(sound ? std::move(sound) : std::make_unique<player::AudioDeviceOutput>()),
      player_(sound_.get()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&frameTimer_, &QTimer::timeout, this, &TShockwaveFlashEx::Advance);
    SetUrlHandler([](const std::string& url, const std::string&) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    });
}

TShockwaveFlashEx::~TShockwaveFlashEx() { frameTimer_.stop(); }

void TShockwaveFlashEx::SetUrlHandler(std::function<void(const std::string&, const std::string&)> handler) {
    player_.SetUrlHandler(std::move(handler));
}

bool TShockwaveFlashEx::SetMovie(const QString& path) {
    std::vector<uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(path.toStdString(), kMaxMovieFile, bytes);
    if (read.status == FileReadOutcome::Status::TooLarge) {
        loadError_ = QStringLiteral("movie is larger than the player accepts");
        return false;
    }
    if (!read.ok()) {
        loadError_ = QStringLiteral("cannot read the movie file: ") + QString::fromLocal8Bit(std::strerror(read.systemError));
        return false;
    }
    return LoadMovieBytes(bytes);
}

bool TShockwaveFlashEx::LoadMovieBytes(const std::vector<uint8_t>& bytes) {
    std::string error;
    frameTimer_.stop();
    if (!player_.Load(bytes, &error)) {
        loadError_ = QString::fromStdString(error);
        update();
        return false;
    }
    loadError_.clear();
    const double rate = player_.Definition()->FrameRate();
    frameTimer_.setInterval(std::max(1, int(std::lround(1000.0 / rate))));
    frameTimer_.start();
    update();
    return true;
}

void TShockwaveFlashEx::Advance() {
    player_.Tick();
    update();
}

void TShockwaveFlashEx::Play() {
    player_.Play();
    update();
}

void TShockwaveFlashEx::StopPlay() {
    player_.StopPlay();
    update();
}

void TShockwaveFlashEx::Stop() {
    player_.Stop();
    update();
}

void TShockwaveFlashEx::GotoFrame(int frame) {
    player_.GotoFrame(frame);
    update();
}

void TShockwaveFlashEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!player_.IsLoaded()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    if (frame_.size() != size())
        frame_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    player_.Render(frame_);
    painter.drawImage(0, 0, frame_);
}

QPointF TShockwaveFlashEx::StagePoint(const QPointF& p) const {
    const auto* movie = player_.Definition();
    if (!movie || width() <= 0 || height() <= 0)
        return p;
    return {p.x() * movie->StageWidth() / width(), p.y() * movie->StageHeight() / height()};
}

void TShockwaveFlashEx::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->modifiers(), int(event->position().x()), int(event->position().y()));
    player_.MouseMove(StagePoint(event->position()));
    update();
}

void TShockwaveFlashEx::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton) {
        emit MouseDown(Qt::LeftButton, event->modifiers(), int(at.x()), int(at.y()));
        buttonWentDown_ = true;
        if (!lockMouseClick_)
            player_.MousePress(StagePoint(at));
    } else if (event->button() == Qt::RightButton) {
        buttonWentDown_ = true; // a right press reaches the player only with its menu on: ours has none
    }
    update();
}

void TShockwaveFlashEx::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton) {
        emit MouseUp(Qt::LeftButton, event->modifiers(), int(at.x()), int(at.y()));
        if (buttonWentDown_)
            emit Click();
        buttonWentDown_ = false;
        if (!lockMouseClick_)
            player_.MouseRelease(StagePoint(at));
    } else if (event->button() == Qt::RightButton) {
        if (popup_ && buttonWentDown_) {
            buttonWentDown_ = false;
            popup_->popup(event->globalPosition().toPoint());
        }
    }
    update();
}

void TShockwaveFlashEx::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double-click is a second press for the player, unless clicks are locked.
    if (event->button() == Qt::LeftButton && !lockMouseClick_)
        player_.MousePress(StagePoint(event->position()));
    update();
}

} // namespace vantora
