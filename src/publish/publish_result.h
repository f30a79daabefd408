#pragma once
// What a publishing target tells its caller: success (with the files it wrote and what the movie
// had to leave out), or why not, with the text of the message to show. The Publish dialog shows
// failures in message boxes; vantora-build prints them and exits non-zero.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantora::publish {

enum class PublishFailure {
    None,
    Cancelled,      // the user dismissed a file or folder dialog: no message
    Movie,          // the movie could not be built; the builder's own text
    CopyPlayer,     // "Copy player.exe file failed."
    CreateOutput,   // 2001
    WriteOutput,    // 2002
    WriteTitle,     // 2006
    ResourceUpdate, // "Resource update error: ..."
    WriteFile,      // a page, folder or support file could not be written
};

// The program's error codes of the stand-alone program's output file.
inline constexpr int kCreateOutputCode = 2001;
inline constexpr int kWriteOutputCode = 2002;
inline constexpr int kWriteTitleCode = 2006;

inline constexpr std::string_view kErrorCaption = "Error";
inline constexpr std::string_view kCopyPlayerFailedText = "Copy player.exe file failed.";

struct PublishResult {
    PublishFailure failure = PublishFailure::None;
    std::string message;                      // the message box text; empty on success and on cancel
    std::vector<std::filesystem::path> files; // what was written, main file first
    std::vector<std::string> notes;           // what the movie left out, one line each

    bool ok() const { return failure == PublishFailure::None; }

    static PublishResult Success(std::vector<std::filesystem::path> files, std::vector<std::string> notes = {});
    static PublishResult Failure(PublishFailure failure, std::string message);
    static PublishResult Cancel() { return Failure(PublishFailure::Cancelled, {}); }
};

// The text of an output-file failure: the system's message, " (Error Code: ", the system error
// number, "/", `code`, ")" and the support sentence on the next line.
std::string OutputErrorMessage(int systemError, int code);

} // namespace vantora::publish
