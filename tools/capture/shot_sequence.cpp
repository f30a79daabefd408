#include "shot_sequence.h"

#include <utility>

namespace vantora::grabbit {

void ShotSequence::clicked(TScreenShot picture, const TShotEvent& click) {
    picture.Events.clear();
    if (pendingClick_)
        picture.Events.push_back(*pendingClick_);
    shots_.push_back(std::move(picture));
    pendingClick_ = click;
}

void ShotSequence::close(std::optional<TScreenShot> picture) {
    if (pendingClick_ && picture) {
        picture->Events.assign(1, *pendingClick_);
        shots_.push_back(std::move(*picture));
    }
    pendingClick_.reset();
}

void ShotSequence::single(TScreenShot picture, const TShotEvent& click) {
    picture.Events.assign(1, click);
    shots_.push_back(std::move(picture));
}

} // namespace vantora::grabbit
