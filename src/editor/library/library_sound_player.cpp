#include "editor/library/library_sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace vantora {

LibrarySoundPlayer::LibrarySoundPlayer() = default;

LibrarySoundPlayer::~LibrarySoundPlayer() { stop(); }

void LibrarySoundPlayer::play(const QString& file) {
    if (!player_) {
        output_ = std::make_unique<QAudioOutput>();
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(output_.get());
    }
    stop();
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

void LibrarySoundPlayer::stop() {
    if (!player_)
        return;
    player_->stop();
    player_->setSource(QUrl());
}

} // namespace vantora
