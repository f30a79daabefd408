#include "publish/standalone_program.h"

#include "base/file_replacement.h"
#include "base/safe_file.h"
#include "publish/movie_bytes.h"
#include "publish/program_icon.h"
#include "publish/resource_update_error.h"
#include "publish/shipped_files.h"
#include "publish/standalone_block.h"
#include "publish/version_stamp.h"

#include <cerrno>
#include <optional>

namespace fs = std::filesystem;

namespace vantora::publish {
namespace {

StandaloneWindow windowOf(const TVantora& demo, const PublishSettings& settings) {
    StandaloneWindow window;
    window.backColor = demo.BackColor;
    window.style = settings.style;
    window.exitKey = settings.exitKey;
    window.width = demo.Width;
    window.height = demo.Height;
    window.title = settings.title;
    return window;
}

bool copyOver(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        return false;
    fs::create_directories(to.parent_path(), error);
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
}

// A target that cannot be opened for writing (a folder, or a place where no file can be made) is
// reported before the movie is built and the player's working copy is written.
std::optional<PublishResult> refusedOutput(const fs::path& output) {
    std::error_code error;
    if (fs::is_directory(output, error))
        return PublishResult::Failure(PublishFailure::CreateOutput, OutputErrorMessage(EISDIR, kCreateOutputCode));
    const FileReplacement probe(output);
    if (!probe.ok())
        return PublishResult::Failure(PublishFailure::CreateOutput,
                                      OutputErrorMessage(probe.outcome().systemError, kCreateOutputCode));
    return std::nullopt;
}

// The output: the stamped player, then the block; never a half-written file.
PublishResult writeProgram(const fs::path& player, const TVantora& demo, const PublishSettings& settings,
                           const std::vector<std::uint8_t>& movie, const fs::path& output) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(player, kMaxProgramFileSize, bytes);
    if (!read.ok())
        return PublishResult::Failure(PublishFailure::CreateOutput, OutputErrorMessage(read.systemError, kCreateOutputCode));
    const auto playerSize = static_cast<std::uint32_t>(bytes.size());
    const std::vector<std::uint8_t> block = StandaloneBlock(windowOf(demo, settings), movie, playerSize);
    bytes.insert(bytes.end(), block.begin(), block.end());
    const FileWriteOutcome written = WriteFileSafely(output, bytes);
    if (written.stage == FileWriteOutcome::Stage::Create)
        return PublishResult::Failure(PublishFailure::CreateOutput, OutputErrorMessage(written.systemError, kCreateOutputCode));
    if (!written.ok())
        return PublishResult::Failure(PublishFailure::WriteOutput, OutputErrorMessage(written.systemError, kWriteOutputCode));
    return PublishResult::Success({output});
}

} // namespace

PublishResult StampProgram(const fs::path& program, const PublishSettings& settings) {
    try {
        std::error_code error;
        if (!settings.programIcon.empty() && fs::exists(settings.programIcon, error))
            ReplaceProgramIcon(program, settings.programIcon);
        StampVersionInformation(program, VersionStampOf(settings));
    } catch (const ResourceUpdateError& e) {
        return PublishResult::Failure(PublishFailure::ResourceUpdate, e.what());
    }
    return PublishResult::Success({program});
}

PublishResult MakeStandaloneProgram(const TVantora& demo, const PublishSettings& settings, const fs::path& output,
                                    const PublishContext& context) {
    if (std::optional<PublishResult> refused = refusedOutput(output))
        return *refused;
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    const fs::path workingCopy = TemporaryFolderOf(context) / kPlayerWorkingCopy;
    if (!copyOver(ProgramFile(kPlayerProgram), workingCopy))
        return PublishResult::Failure(PublishFailure::CopyPlayer, std::string(kCopyPlayerFailedText));
    if (PublishResult stamped = StampProgram(workingCopy, settings); !stamped.ok())
        return stamped;
    PublishResult result = writeProgram(workingCopy, demo, settings, movie.bytes, output);
    result.notes = std::move(movie.result.notes);
    return result;
}

PublishResult MakeLinuxProgram(const TVantora& demo, const PublishSettings& settings, const fs::path& output,
                               const PublishContext& context) {
    const fs::path player = ProgramFile(kLinuxPlayer);
    std::error_code error;
    if (!fs::is_regular_file(player, error))
        return PublishResult::Failure(PublishFailure::CopyPlayer,
                                      "The Linux player \"" + player.string() + "\" is missing: it comes with the "
                                      "vantora-player program of this installation.");
    if (std::optional<PublishResult> refused = refusedOutput(output))
        return *refused;
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    PublishResult result = writeProgram(player, demo, settings, movie.bytes, output);
    if (result.ok())
        fs::permissions(output, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, error);
    result.notes = std::move(movie.result.notes);
    return result;
}

} // namespace vantora::publish
