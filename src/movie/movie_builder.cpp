#include "movie/movie_builder.h"

#include "movie/movie_limits.h"
#include "movie/object_timing.h"
#include "movie/scene_plan.h"
#include "movie/text_character.h"
#include "base/helper_threads.h"
#include "base/program_folder.h"
#include "base/safe_file.h"
#include "render/render_tables.h"
#include "swf/colors.h"
#include "swf/errors.h"
#include "swf/movie.h"
#include "swf/shape.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <system_error>

namespace vantora {
namespace {

void CheckDemoSize(const TVantora& demo) {
    if (demo.Width < 1 || demo.Width > kMaxMovieSide || demo.Height < 1 || demo.Height > kMaxMovieSide)
        throw MovieBuildError("The demo size " + std::to_string(demo.Width) + " x " + std::to_string(demo.Height) +
                              " is outside 1 to 9999 pixels; set it in the demo properties.");
}

// The frames of the movie: every scene's, or only those of `only`. Throws MovieBuildError when
// they are more than a movie can hold.
std::uint16_t CheckFrameCount(const TVantora& demo, const TDemoFrame* only) {
    const std::int32_t factor = EffectiveFrameRateFactor(demo.FrameRateFactor);
    std::int64_t frames = 0;
    for (const auto& scene : demo.Scenes)
        if (only == nullptr || only == scene.get())
            frames += SceneFrameCount(*scene, factor);
    if (frames > kMaxMovieFrames)
        throw MovieBuildError("The movie would have " + std::to_string(frames) +
                              " frames, more than the 65535 a movie can hold; shorten the scenes.");
    // A movie without scene frames still shows its background in one frame.
    return static_cast<std::uint16_t>(std::max<std::int64_t>(frames, 1));
}

// Rectangle (0, 0)-(Width - 1, Height - 1) in the demo colour at depth 0.
void PlaceDemoBackground(swf::TFlashMovie& movie, const TVantora& demo) {
    swf::TFlashShape* background = CheckedCharacter(movie.AddRectangle(0, 0, demo.Width - 1, demo.Height - 1));
    const std::uint32_t colour = swf::ColorToRGB(demo.BackColor);
    background->SetLineStyle(0, colour);
    background->SetSolidColor(colour);
    movie.PlaceObject(background, 0);
}

const char* WriteStageText(FileWriteOutcome::Stage stage) {
    switch (stage) {
    case FileWriteOutcome::Stage::Create: return "Cannot create a file beside ";
    case FileWriteOutcome::Stage::Write: return "Cannot write ";
    case FileWriteOutcome::Stage::Replace: return "Cannot replace ";
    case FileWriteOutcome::Stage::Done: break;
    }
    return "Cannot write ";
}

[[noreturn]] void ThrowWriteFailure(const FileWriteOutcome& outcome, const std::filesystem::path& file) {
    throw MovieBuildError(WriteStageText(outcome.stage) + file.string() + ": " + std::strerror(outcome.systemError));
}

// The movie file, opened beside its target before the build, so that the compressed movie goes to
// the disk as the compressor makes it: room for the file head, then each block as it is done. It
// goes through the safe writer, so an old movie survives a failed build or write and no partial
// file is left behind.
class MovieFile {
public:
    explicit MovieFile(const std::filesystem::path& file) : path_(file), out_(file) {
        const std::uint8_t headRoom[8] = {};
        if (!out_.append(headRoom))
            ThrowWriteFailure(out_.outcome(), path_);
    }

    // Where the build hands the compressed blocks (on the compressor's thread).
    swf::TCompressedBlockSink Sink() {
        return [this](std::span<const std::uint8_t> block) { out_.append(block); };
    }

    // Completes the file from the finished movie: its head only, when every block reached the
    // file, otherwise the whole movie again. The movie's many records are freed while the disk
    // flushes the file.
    void Save(std::unique_ptr<swf::TFlashMovie> movie) {
        movie->MakeStream();
        if (movie->StreamedAhead()) {
            out_.writeAt(0, movie->FileHead());
        } else {
            out_.restart();
            out_.appendStream([&](std::ostream& stream) { movie->SaveToStream(stream); });
        }
        const FileWriteOutcome outcome = out_.commit([&] { movie.reset(); });
        if (!outcome.ok())
            ThrowWriteFailure(outcome, path_);
    }

private:
    std::filesystem::path path_;
    FileReplacement out_;
};

MovieBuildResult Failure(std::string message) { return {false, std::move(message), {}}; }

template <class Work>
MovieBuildResult Guarded(Work&& work) {
    try {
        std::vector<std::string> notes;
        work(notes);
        return {true, {}, std::move(notes)};
    } catch (const MovieBuildError& e) {
        return Failure(e.what());
    } catch (const swf::Error& e) {
        return Failure(std::string("The movie could not be written: ") + e.what());
    } catch (const std::bad_alloc&) {
        return Failure("Not enough memory to build the movie.");
    } catch (const std::exception& e) {
        return Failure(std::string("The movie could not be built: ") + e.what());
    }
}

void TakeNotes(MovieBuildSession& session, std::vector<std::string>* notes) {
    if (notes != nullptr)
        for (std::string& problem : session.SoundProblems())
            notes->push_back(std::move(problem));
}

} // namespace

std::unique_ptr<swf::TFlashMovie> CreateDemoMovie(const TVantora& demo) {
    CheckDemoSize(demo);
    auto movie = std::make_unique<swf::TFlashMovie>(0, 0, demo.Width * 20, demo.Height * 20,
                                                    MovieFrameRate(demo.FrameRateFactor), false);
    movie->SetUnitsInPixels(true);
    movie->SetVersion(6);
    movie->SetCompressed(true);
    movie->SetGlyphSource(&MovieGlyphSource());
    PlaceDemoBackground(*movie, demo);
    return movie;
}

namespace {

std::unique_ptr<swf::TFlashMovie> BuildWholeDemoInto(const TVantora& demo, const ProgressObserver* progress,
                                                     std::vector<std::string>* notes, swf::TCompressedBlockSink sink) {
    CheckDemoSize(demo);
    // Until the first scene is written the compressing thread has nothing to do: its core makes
    // the painters' tables meanwhile.
    PrepareRenderTablesAside tables;
    const std::uint16_t frames = CheckFrameCount(demo, nullptr);
    auto movie = CreateDemoMovie(demo);
    // Each finished scene is turned into tags and compressed on a worker thread while the next one
    // is planned; the movie checks at the end that the file is what writing it whole would give.
    movie->BeginEarlyWrite(frames, std::move(sink));
    std::vector<const TDemoFrame*> scenes;
    for (const auto& scene : demo.Scenes)
        scenes.push_back(scene.get());
    MovieBuildSession session(*movie, demo, WorkFiles(), std::move(scenes));
    ProgressScope scope(progress, kCreateMovieLabel, static_cast<int>(demo.Scenes.size()));
    // Until the first scene is written the compressor has nothing to do: its core draws the next
    // background and compresses bitmaps meanwhile.
    std::optional<LendIdleCompressorCore> lend(std::in_place);
    int k = 0;
    for (const auto& scene : demo.Scenes) {
        scope.advance(++k);
        AppendScene(session, *scene);
        lend.reset();
        movie->WriteFinishedItems();
    }
    TakeNotes(session, notes);
    return movie;
}

std::unique_ptr<swf::TFlashMovie> BuildOneSceneInto(const TVantora& demo, int sceneIndex, std::vector<std::string>* notes,
                                                     swf::TCompressedBlockSink sink) {
    if (sceneIndex < 0 || std::size_t(sceneIndex) >= demo.Scenes.size())
        throw MovieBuildError("There is no scene " + std::to_string(sceneIndex + 1) + "; the demo has " +
                              std::to_string(demo.Scenes.size()) + " scene(s).");
    const TDemoFrame& scene = *demo.Scenes[std::size_t(sceneIndex)];
    CheckDemoSize(demo);
    const std::uint16_t frames = CheckFrameCount(demo, &scene);
    auto movie = CreateDemoMovie(demo);
    movie->BeginEarlyWrite(frames, std::move(sink));
    MovieBuildSession session(*movie, demo, WorkFiles(), {&scene});
    {
        const LendIdleCompressorCore lend; // the compressor waits for this one scene
        AppendScene(session, scene);
    }
    TakeNotes(session, notes);
    return movie;
}

} // namespace

std::unique_ptr<swf::TFlashMovie> BuildWholeDemo(const TVantora& demo, const ProgressObserver* progress,
                                                 std::vector<std::string>* notes) {
    return BuildWholeDemoInto(demo, progress, notes, {});
}

std::unique_ptr<swf::TFlashMovie> BuildOneScene(const TVantora& demo, int sceneIndex, std::vector<std::string>* notes) {
    return BuildOneSceneInto(demo, sceneIndex, notes, {});
}

MovieBuildResult BuildAndSaveWholeDemo(const TVantora& demo, const std::filesystem::path& file,
                                       const ProgressObserver* progress) {
    return Guarded([&](std::vector<std::string>& notes) {
        CheckDemoSize(demo); // before a file is made for it
        MovieFile out(file);
        out.Save(BuildWholeDemoInto(demo, progress, &notes, out.Sink()));
    });
}

MovieBuildResult BuildAndSaveOneScene(const TVantora& demo, int sceneIndex, const std::filesystem::path& file) {
    return Guarded([&](std::vector<std::string>& notes) {
        MovieFile out(file.empty() ? ProgramFolder() / kPreviewMovieName : file);
        out.Save(BuildOneSceneInto(demo, sceneIndex, &notes, out.Sink()));
    });
}

MovieBuildResult BuildMovieFile(const TVantora& demo, const std::filesystem::path& file,
                                const MovieBuildOptions& options, const ProgressObserver* progress) {
    // A command line names the movie's folder as readily as the movie: make it when missing.
    std::error_code error;
    if (file.has_parent_path() && !std::filesystem::exists(file.parent_path(), error))
        std::filesystem::create_directories(file.parent_path(), error);
    if (options.sceneIndex)
        return BuildAndSaveOneScene(demo, *options.sceneIndex, file);
    return BuildAndSaveWholeDemo(demo, file, progress);
}

} // namespace vantora
