#pragma once
// The frame plan of one scene: sprites first, then the scene background, then frame by frame the
// background re-placed at depth 1, each object defined at its first appearance, re-placed while it
// lives and removed one frame before its end, the pointer moved and handed over between Cursor
// objects, Stop actions at the stop points, and the frame closed.

#include "model/demo.h"
#include "movie/background_pipeline.h"
#include "movie/bitmap_conversion.h"
#include "movie/object_characters.h"
#include "movie/work_files.h"

#include <cstdint>
#include <string>
#include <vector>

namespace swf {
class TFlashMovie;
}

namespace vantora {

// What every scene of one build shares: the movie, its settings and the character makers.
class MovieBuildSession {
public:
    // `scenes`: the scenes the build will append, in order, whose backgrounds are drawn ahead.
    MovieBuildSession(swf::TFlashMovie& movie, const TVantora& demo, WorkFiles workFiles,
                      std::vector<const TDemoFrame*> scenes = {});

    swf::TFlashMovie& Movie() { return movie_; }
    std::int32_t FrameRateFactor() const { return factor_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    WorkFiles& Files() { return workFiles_; }
    BitmapConverter& Bitmaps() { return bitmaps_; }
    ObjectCharacters& Characters() { return characters_; }
    BackgroundPipeline& Backgrounds() { return backgrounds_; }
    // The scene's place in the whole demo (-1 when it is not one of the demo's scenes).
    int SceneIndex(const TDemoFrame& scene) const;
    // Sound data left out of the movie, one line each (see AddAudioSound).
    std::vector<std::string>& SoundProblems() { return soundProblems_; }

private:
    swf::TFlashMovie& movie_;
    const TVantora& demo_;
    std::int32_t factor_;
    std::int32_t width_;
    std::int32_t height_;
    WorkFiles workFiles_;
    BitmapConverter bitmaps_;
    ObjectCharacters characters_;
    BackgroundPipeline backgrounds_;
    std::vector<std::string> soundProblems_;
};

// Appends the frames of `scene` at the end of the movie's main timeline.
void AppendScene(MovieBuildSession& session, const TDemoFrame& scene);

} // namespace vantora
