#pragma once
// What a storage operation tells its caller: success, or the program's error code with the text
// of the "Error" message box. The editor shows the text in the box; vantora-build prints it.

#include <string>
#include <string_view>

namespace vantora {

// The program's error codes of project, gallery and clipboard storage.
enum class StorageErrorCode : int {
    None = 0,
    CreateFile = 1007, // creating the project (or gallery) file for saving
    OpenFile = 1008,   // opening the project (or gallery) file for loading
    WriteFont = 2004,
    ReadFont = 2005,
    WriteText = 2006,
    ReadText = 2007,
    WritePicture = 2008,
    ReadPicture = 2009,
    WriteChannel = 2010,
    ReadChannel = 2011,
    WriteAnimation = 2012,
    ReadAnimation = 2013,
    WriteObject = 2014,
    ReadObject = 2015,
    WriteScene = 2016,
    ReadScene = 2017,
    WriteDemo = 2018,
    ReadDemo = 2019,
};

// Caption of the message box that shows a failure.
inline constexpr std::string_view kStorageErrorCaption = "Error";

// The sentence that closes every error message.
inline constexpr std::string_view kSupportSentence =
    "If the problem persists, please contact Vantora support at support@vantora.app.";

struct StorageResult {
    bool ok = true;
    StorageErrorCode code = StorageErrorCode::None;
    int systemError = 0;  // errno of the failing system call, 0 when the data itself was at fault
    std::string message;  // the full message box text; empty on success

    explicit operator bool() const { return ok; }

    static StorageResult Success() { return {}; }
    // `description` says what went wrong (the system's text for a system error). A non-empty
    // `fileName` starts the message, in double quotes, as file-level errors do.
    static StorageResult Failure(StorageErrorCode code, int systemError, std::string_view description,
                                 std::string_view fileName = {});
};

// The text of a failure: [“"file", ”] description " (Error Code: " system "/" code ")" newline
// support sentence.
std::string StorageErrorMessage(StorageErrorCode code, int systemError, std::string_view description,
                                std::string_view fileName = {});

// The system's description of an errno value.
std::string SystemErrorText(int systemError);

} // namespace vantora
