#pragma once
// The sound of an Audio object: its sound file goes unchanged to the next work file (named with
// the running number and the object's AudioType as extension) and is loaded from there into a
// sound character of the movie.

#include "model/demo_object.h"

#include <string>

namespace swf {
class TFlashMovie;
class TFlashSound;
} // namespace swf

namespace vantora {

class WorkFiles;

struct AudioSoundResult {
    swf::TFlashSound* Sound = nullptr; // nullptr: nothing to play
    std::string Problem;               // why a sound the object holds was left out; empty otherwise
};

// No sound and no problem for an object without sound data. Sound data the player cannot take
// (damaged, an unknown type, an unsupported format) is left out with the reason, adding nothing
// to the movie, so that the rest of the movie still builds.
AudioSoundResult AddAudioSound(swf::TFlashMovie& movie, WorkFiles& workFiles, const TDemoObject& audio);

} // namespace vantora
