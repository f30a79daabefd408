#include "publish/publish_result.h"

#include "storage/storage_result.h"

namespace vantora::publish {

PublishResult PublishResult::Success(std::vector<std::filesystem::path> files, std::vector<std::string> notes) {
    PublishResult result;
    result.files = std::move(files);
    result.notes = std::move(notes);
    return result;
}

PublishResult PublishResult::Failure(PublishFailure failure, std::string message) {
    PublishResult result;
    result.failure = failure;
    result.message = std::move(message);
    return result;
}

std::string OutputErrorMessage(int systemError, int code) {
    std::string text = SystemErrorText(systemError);
    text += " (Error Code: ";
    text += std::to_string(systemError);
    text += '/';
    text += std::to_string(code);
    text += ")\n";
    text += kSupportSentence;
    return text;
}

} // namespace vantora::publish
