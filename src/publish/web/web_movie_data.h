#pragma once
// A movie as the web runtime plays it: the timelines, characters, actions and sounds that our
// player reads from the built movie, written out as one script that assigns a data object, with
// its pictures and sounds as separate files. The page plays exactly the frames the movie holds,
// so the web target follows every timing rule of the movie builder without a copy of them.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish::web {

struct MediaFile {
    std::string name; // relative to the page's folder, e.g. "media/b3.jpg"
    std::vector<std::uint8_t> bytes;
};

struct WebMovieData {
    std::string script; // "window.VANTORA_MOVIE = {...};"
    std::vector<MediaFile> media;
    int width = 0, height = 0; // stage pixels
};

// Reads `movie` (SWF bytes). Throws player::MovieError when it cannot be read.
WebMovieData MakeWebMovieData(std::span<const std::uint8_t> movie);

} // namespace vantora::publish::web
