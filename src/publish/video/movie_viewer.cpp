#include "publish/video/movie_viewer.h"

#include <algorithm>
#include <cmath>

namespace vantora::video {
namespace {

// The action codes that move a timeline: NextFrame, PreviousFrame, GotoFrame, GotoLabel,
// GotoFrame2, and Play.
bool isJump(std::uint8_t code) { return code == 0x04 || code == 0x05 || code == 0x81 || code == 0x8c || code == 0x9f; }
constexpr std::uint8_t kPlay = 0x06;

ButtonEffect effectOfActions(const std::vector<std::uint8_t>& code) {
    ButtonEffect effect = ButtonEffect::None;
    std::size_t at = 0;
    while (at < code.size() && code[at] != 0) {
        const std::uint8_t action = code[at++];
        if (isJump(action))
            return ButtonEffect::Jumps;
        if (action == kPlay)
            effect = ButtonEffect::Plays;
        if (action >= 0x80) {
            if (at + 2 > code.size())
                break;
            at += 2 + std::size_t(code[at] | code[at + 1] << 8);
        }
    }
    return effect;
}

// Slow at both ends, as a hand moves a mouse.
double eased(double t) { return t * t * (3.0 - 2.0 * t); }

} // namespace

ButtonEffect EffectOf(const player::ButtonDef& button) {
    ButtonEffect effect = ButtonEffect::None;
    for (const auto& action : button.actions) {
        if (!(action.conditions & (player::kOverUpToOverDown | player::kOverDownToOverUp)))
            continue;
        effect = std::max(effect, effectOfActions(action.actions));
    }
    return effect;
}

MovieViewer::MovieViewer(player::FlashPlayer& player, ViewerTiming timing)
    : player_(player), timing_(timing) {
    const double rate = player.Definition() ? player.Definition()->FrameRate() : 0;
    frameSeconds_ = rate > 0 ? 1.0 / rate : 1.0 / 12;
    if (const auto* movie = player.Definition())
        pointer_ = QPointF(movie->StageWidth() / 2.0, movie->StageHeight() / 2.0);
}

bool MovieViewer::Next(ViewerMoment& moment) {
    moment = {};
    if (!player_.IsLoaded())
        return false;
    switch (phase_) {
    case Phase::Start:
        phase_ = Phase::Watching;
        moment.seconds = frameSeconds_;
        return true;
    case Phase::Watching: return watch(moment);
    case Phase::Held: return goOnFromStop(moment);
    case Phase::Gliding: glide(moment); return true;
    case Phase::Pressing:
        player_.MousePress(target_.point);
        moment = {timing_.pressSeconds, target_.point};
        phase_ = Phase::Releasing;
        return true;
    case Phase::Releasing:
        player_.MouseRelease(target_.point);
        takenAtThisStop_.insert(target_.button);
        if (EffectOf(*target_.button) == ButtonEffect::Jumps)
            jumpsTaken_.insert(target_.button);
        moment = {frameSeconds_, target_.point};
        phase_ = Phase::Watching;
        return true;
    }
    return false;
}

bool MovieViewer::watch(ViewerMoment& moment) {
    if (pointerShown_) {
        // The viewer's hand leaves the stage once the movie goes on, so no button stays lit.
        player_.MouseMove(QPointF(-1000, -1000));
        pointerShown_ = false;
    }
    if (player_.Playing()) {
        // Past its last frame a movie starts again: the video ends there instead.
        if (atLastFrame())
            return false;
        player_.Tick();
        moment.seconds = frameSeconds_;
        return true;
    }
    if (player_.CurrentFrame() != stopFrame_) {
        stopFrame_ = player_.CurrentFrame();
        takenAtThisStop_.clear();
    }
    phase_ = Phase::Held;
    moment.seconds = timing_.holdSeconds;
    return true;
}

bool MovieViewer::goOnFromStop(ViewerMoment& moment) {
    if (const auto button = chooseButton()) {
        target_ = *button;
        glideFrom_ = pointer_;
        glideStep_ = 0;
        pointerShown_ = true;
        phase_ = Phase::Gliding;
        glide(moment);
        return true;
    }
    if (atLastFrame())
        return false;
    player_.Play();
    player_.Tick();
    phase_ = Phase::Watching;
    moment.seconds = frameSeconds_;
    return true;
}

void MovieViewer::glide(ViewerMoment& moment) {
    const int steps = std::max(1, int(std::lround(timing_.glideSeconds / timing_.stepSeconds)));
    ++glideStep_;
    const double t = eased(double(glideStep_) / steps);
    pointer_ = glideFrom_ + (target_.point - glideFrom_) * t;
    player_.MouseMove(pointer_);
    moment = {timing_.stepSeconds, pointer_};
    if (glideStep_ >= steps)
        phase_ = Phase::Pressing;
}

std::optional<player::FlashPlayer::StageButton> MovieViewer::chooseButton() {
    std::optional<player::FlashPlayer::StageButton> jump;
    for (const auto& candidate : player_.StageButtons()) {
        if (takenAtThisStop_.count(candidate.button) || jumpsTaken_.count(candidate.button))
            continue;
        const ButtonEffect effect = EffectOf(*candidate.button);
        if (effect == ButtonEffect::Plays)
            return candidate;
        if (effect == ButtonEffect::Jumps && !jump)
            jump = candidate;
    }
    return jump;
}

} // namespace vantora::video
