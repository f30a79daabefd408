#pragma once
// The order in which the capture tool files its shots and clicks. A shot is the screen as it was
// when a click landed on it; the click itself is filed with the NEXT shot, the screen that the
// click led to, because the editor acts a shot's clicks out on the scene before it (where the
// click was made) and starts the shot's own scene with the cursor resting on that spot. Ending
// the capture adds one last shot, the screen after the last click, to carry that click. Text typed
// after a click travels with it, as one event after the click.

#include "model/screen_shot.h"

#include <optional>
#include <string>
#include <vector>

namespace vantora::grabbit {

class ShotSequence {
public:
    // A click landed on the screen shown by `picture` (a shot without events).
    void clicked(TScreenShot picture, const TShotEvent& click);

    // Keys typed since the last click, as text. Typing before the first click has no spot to go
    // to and is dropped.
    void typed(const std::string& text);

    // Whether ending needs one more picture of the screen to carry the last click.
    bool needsClosingShot() const { return !pending_.empty(); }
    // Ends the sequence with the screen as it is now; without a picture (the screen could not be
    // read) the last click is dropped, since no shot can carry it.
    void close(std::optional<TScreenShot> picture);

    // A one-picture capture: the shot keeps its own click, as nothing follows it.
    void single(TScreenShot picture, const TShotEvent& click);

    const std::vector<TScreenShot>& shots() const { return shots_; }
    int count() const { return static_cast<int>(shots_.size()); }

private:
    std::vector<TScreenShot> shots_;
    // The last click and the text typed after it, waiting for the next shot.
    std::vector<TShotEvent> pending_;
};

} // namespace vantora::grabbit
