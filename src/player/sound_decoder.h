#pragma once
// Decodes the sounds of a movie into 16-bit samples: uncompressed PCM (8 or 16 bit) and MP3
// (through libmpg123). Other formats decode to nothing. Output is capped in length.

#include "player/characters.h"
#include "player/sound_output.h"

#include <memory>
#include <span>

namespace player {

// At most ten minutes of 44.1 kHz stereo per sound.
inline constexpr size_t kMaxSoundSamples = size_t(44100) * 2 * 600;

// Null when the format cannot be played.
std::shared_ptr<const PcmSound> DecodeSound(const SoundDef& sound);

// Decodes MP3 data (whole frames). Empty on damaged data.
PcmSound DecodeMp3(std::span<const uint8_t> data);

// The stream sound of a timeline decoded as one sound, and the first sample frame of each frame
// of the timeline. Null when the timeline has no playable stream.
std::shared_ptr<const PcmSound> DecodeStream(const TimelineDef& timeline, std::vector<size_t>& frameStarts);

} // namespace player
