#pragma once
// The first failure inside a record. The innermost part that fails records its own code (a
// truncated text inside a font is a text read error), the parts around it just stop and return
// false, so every failure is reported once.

#include "storage/storage_result.h"

#include <string>

namespace vantora {

struct RecordError {
    StorageErrorCode code = StorageErrorCode::None;
    std::string description;

    bool failed() const { return code != StorageErrorCode::None; }

    // Notes the failure unless an inner part already did. Returns false, for `return fail(...)`.
    bool fail(StorageErrorCode failingPart, std::string text);

    StorageResult toResult() const;
};

// Descriptions shared by the readers.
inline constexpr const char* kDataEndsText = "The data ends in the middle of a record.";
inline constexpr const char* kBadLengthText = "A stored length or count does not fit the data that follows.";
inline constexpr const char* kTooLargeText = "A value is too large to be stored.";

} // namespace vantora
