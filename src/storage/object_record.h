#pragma once
// The object record: one object in the field order of project, gallery and clipboard data (which
// differs from the declaration order of the model).

#include "model/demo_object.h"
#include "storage/byte_stream.h"
#include "storage/record_error.h"

#include <cstddef>

namespace vantora {

// The record's format number: always written, never checked.
constexpr std::int32_t kRecordFormat = 1;

// Size of an object record whose texts are empty, with no picture and no sound.
constexpr std::size_t kMinObjectRecordBytes = 442;

bool WriteObject(ByteWriter& out, const TDemoObject& object, RecordError& error);

// Fills an existing object. Fields the record does not hold are
// left alone; on failure the object holds whatever was read before the failing part.
bool ReadObject(ByteReader& in, TDemoObject& object, RecordError& error);

} // namespace vantora
