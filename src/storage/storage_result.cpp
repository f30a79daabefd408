#include "storage/storage_result.h"

#include <system_error>

namespace vantora {

std::string StorageErrorMessage(StorageErrorCode code, int systemError, std::string_view description,
                                std::string_view fileName) {
    std::string text;
    if (!fileName.empty()) {
        text += '"';
        text += fileName;
        text += "\", ";
    }
    text += description;
    text += " (Error Code: " + std::to_string(systemError) + "/" + std::to_string(static_cast<int>(code)) + ")\n";
    text += kSupportSentence;
    return text;
}

StorageResult StorageResult::Failure(StorageErrorCode code, int systemError, std::string_view description,
                                     std::string_view fileName) {
    StorageResult result;
    result.ok = false;
    result.code = code;
    result.systemError = systemError;
    result.message = StorageErrorMessage(code, systemError, description, fileName);
    return result;
}

std::string SystemErrorText(int systemError) {
    std::string text = std::generic_category().message(systemError);
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

} // namespace vantora
