#include "storage/record_error.h"

#include <utility>

namespace vantora {

bool RecordError::fail(StorageErrorCode failingPart, std::string text) {
    if (!failed()) {
        code = failingPart;
        description = std::move(text);
    }
    return false;
}

StorageResult RecordError::toResult() const {
    if (!failed())
        return StorageResult::Success();
    return StorageResult::Failure(code, 0, description);
}

} // namespace vantora
