#pragma once
// A movie as read from its file: header, character dictionary and the main timeline. Reading
// never trusts the file: a damaged definition is skipped with a warning, a damaged container
// (header, compression, tag framing) throws MovieError.

#include "player/characters.h"
#include "player/swf_file.h"

#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace player {

// The largest stage side, in pixels, the player shows.
inline constexpr int kMaxStageSide = 8192;

class MovieDefinition {
public:
    // Throws MovieError when the bytes are not a readable movie.
    static std::shared_ptr<const MovieDefinition> Load(std::span<const uint8_t> file);

    int Version() const { return version_; }
    double FrameRate() const { return frameRate_; }
    const SwfRect& Stage() const { return stage_; } // twips
    int StageWidth() const { return (stage_.Width() + 10) / 20; }
    int StageHeight() const { return (stage_.Height() + 10) / 20; }
    const Rgba& Background() const { return background_; }
    const TimelineDef& Root() const { return root_; }
    int TotalFrames() const { return int(root_.frames.size()); }

    const Character* Find(uint16_t id) const;
    template <class T>
    const T* FindAs(uint16_t id, CharacterKind kind) const {
        const Character* c = Find(id);
        return c && c->Kind() == kind ? static_cast<const T*>(c) : nullptr;
    }
    // What was skipped while reading, one line per damaged tag.
    const std::vector<std::string>& Warnings() const { return warnings_; }

private:
    friend class MovieReader;
    int version_ = 0;
    double frameRate_ = 12;
    SwfRect stage_;
    Rgba background_{255, 255, 255, 255};
    TimelineDef root_;
    std::unordered_map<uint16_t, std::shared_ptr<const Character>> dictionary_;
    std::vector<std::string> warnings_;
};

} // namespace player
