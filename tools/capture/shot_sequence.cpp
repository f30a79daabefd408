#include "shot_sequence.h"

#include <utility>

namespace vantora::grabbit {

void ShotSequence::clicked(TScreenShot picture, const TShotEvent& click) {
    picture.Events = std::move(pending_);
    shots_.push_back(std::move(picture));
    pending_.assign(1, click);
}

void ShotSequence::typed(const std::string& text) {
    if (pending_.empty() || text.empty())
        return;
    if (pending_.back().Kind != static_cast<std::int32_t>(TShotEventKind::TypedText)) {
        TShotEvent typing = pending_.front(); // the click's spot and fields, for readers of the file
        typing.Kind = static_cast<std::int32_t>(TShotEventKind::TypedText);
        typing.Text.clear();
        pending_.push_back(std::move(typing));
    }
    pending_.back().Text += text;
}

void ShotSequence::close(std::optional<TScreenShot> picture) {
    if (!pending_.empty() && picture) {
        picture->Events = std::move(pending_);
        shots_.push_back(std::move(*picture));
    }
    pending_.clear();
}

void ShotSequence::single(TScreenShot picture, const TShotEvent& click) {
    picture.Events.assign(1, click);
    shots_.push_back(std::move(picture));
}

} // namespace vantora::grabbit
