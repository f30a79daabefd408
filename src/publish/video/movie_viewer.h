#pragma once
// Watches a movie the way a viewer would, one moment at a time: frames play at the movie's rate;
// at a stop point the picture holds, then the pointer glides to a button that takes the movie
// on, presses it and lets go, or, without such a button, the movie simply plays on. Buttons
// that jump (a replay, a scene jump) are taken at most once each, so the watch always ends.

#include "player/flash_player.h"

#include <QPointF>

#include <optional>
#include <set>

namespace vantora::video {

// The picture the player shows after Next(), for `seconds`, with the viewer's pointer over it
// (stage pixels) while the viewer reaches for a button.
struct ViewerMoment {
    double seconds = 0;
    std::optional<QPointF> pointer;
};

struct ViewerTiming {
    double holdSeconds = 2.0;
    double stepSeconds = 0.1; // one step of the glide: a video frame
    double glideSeconds = 0.6;
    double pressSeconds = 0.25;
};

class MovieViewer {
public:
    // `player` has the movie loaded and shows its first frame.
    MovieViewer(player::FlashPlayer& player, ViewerTiming timing);

    // Moves the movie on to its next moment; false when the watch has ended.
    bool Next(ViewerMoment& moment);

private:
    enum class Phase { Start, Watching, Held, Gliding, Pressing, Releasing };

    bool watch(ViewerMoment& moment);
    bool goOnFromStop(ViewerMoment& moment);
    void glide(ViewerMoment& moment);
    std::optional<player::FlashPlayer::StageButton> chooseButton();
    bool atLastFrame() const { return player_.CurrentFrame() >= player_.TotalFrames() - 1; }

    player::FlashPlayer& player_;
    ViewerTiming timing_;
    double frameSeconds_;
    Phase phase_ = Phase::Start;
    QPointF pointer_;
    QPointF glideFrom_;
    player::FlashPlayer::StageButton target_;
    int glideStep_ = 0;
    bool pointerShown_ = false;
    int stopFrame_ = -1;
    std::set<const player::ButtonDef*> takenAtThisStop_;
    std::set<const player::ButtonDef*> jumpsTaken_;
};

// What releasing a button does to the movie: nothing that moves it, a Play, or a jump.
enum class ButtonEffect { None, Plays, Jumps };
ButtonEffect EffectOf(const player::ButtonDef& button);

} // namespace vantora::video
