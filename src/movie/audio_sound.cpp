#include "movie/audio_sound.h"

#include "movie/movie_limits.h"
#include "movie/work_files.h"
#include "swf/errors.h"
#include "swf/movie.h"
#include "swf/sound.h"
#include "swf/wave_reader.h"

#include <algorithm>
#include <cctype>

namespace vantora {
namespace {

bool IsKnownAudioType(std::string type) {
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return type == "WAV" || type == "MP3";
}

std::string Subject(const TDemoObject& audio) { return "The sound of \"" + audio.Name + "\""; }

} // namespace

AudioSoundResult AddAudioSound(swf::TFlashMovie& movie, WorkFiles& workFiles, const TDemoObject& audio) {
    if (audio.AudioData.empty())
        return {};
    if (!IsKnownAudioType(audio.AudioType))
        return {nullptr, Subject(audio) + " has the unknown type \"" + audio.AudioType + "\"; it is left out."};
    const auto file = workFiles.Write(audio.AudioData, ("." + audio.AudioType).c_str());
    try {
        // The library would take data it finds no audio in as an empty sound: look first, so that
        // such data adds nothing.
        if (swf::TWaveReader().ReadFile(file).FormatTag == 0)
            return {nullptr, Subject(audio) + " is damaged (no audio found in it); it is left out."};
        return {CheckedCharacter(movie.AddSound(file)), {}};
    } catch (const swf::Error& e) {
        return {nullptr, Subject(audio) + " cannot be played (" + e.what() + "); it is left out."};
    }
}

} // namespace vantora
