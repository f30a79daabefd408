#pragma once
// Access to the field behind a property row, one accessor per value type. Used by the display
// and edit logic of the property grid; each returns null / nullopt when the subject has no such
// field (an object field asked of the scene, for example).

#include "model/colour.h"
#include "model/property_rows.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantora {

class Picture;

// Integer-like fields, booleans (0/1) and enumeration codes.
std::optional<std::int32_t> NumberField(const PropertySubject& subject, PropertyField field);
// Stores the number; false when the field is not a number field of the subject.
bool SetNumberField(const PropertySubject& subject, PropertyField field, std::int32_t value);

std::string* TextField(const PropertySubject& subject, PropertyField field);
TColor* ColourField(const PropertySubject& subject, PropertyField field);
Picture* PictureField(const PropertySubject& subject, PropertyField field);

} // namespace vantora
