#pragma once
// Turns the tag list of a movie into its dictionary and timelines.

#include "player/movie_definition.h"

namespace player {

class MovieReader {
public:
    explicit MovieReader(MovieDefinition& movie) : movie_(movie) {}
    // Reads the main timeline's tags, defining characters as they come.
    void ReadRoot(std::span<const uint8_t> tags);

private:
    // Reads one timeline; definitions are only accepted on the main timeline.
    void ReadTimeline(std::span<const uint8_t> tags, TimelineDef& timeline, bool isRoot);
    bool ReadControlTag(const SwfTag& tag, TimelineDef& timeline, FrameDef& frame);
    void ReadDefinition(const SwfTag& tag);
    void Define(std::shared_ptr<Character> character);
    void Warn(const std::string& text);

    MovieDefinition& movie_;
    std::vector<uint8_t> jpegTables_;
    size_t totalFrames_ = 0;
};

} // namespace player
