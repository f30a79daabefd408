#pragma once
// Reads the control tags of timelines: placements, removals, sound starts and stream heads.

#include "player/bit_reader.h"
#include "player/characters.h"

#include <span>

namespace player {

// `code` is 4 (PlaceObject), 26 (PlaceObject2) or 70 (PlaceObject3).
DisplayCommand ReadPlaceObject(uint16_t code, std::span<const uint8_t> body);
// `code` is 5 (RemoveObject) or 28 (RemoveObject2).
DisplayCommand ReadRemoveObject(uint16_t code, std::span<const uint8_t> body);
// The SOUNDINFO record that follows a sound id.
SoundStart ReadSoundStart(BitReader& r, uint16_t soundId);
StreamSoundDef ReadStreamHead(std::span<const uint8_t> body);

} // namespace player
