#pragma once
// Which objects take a double click on the canvas as "edit my text here", and how their text
// reads in an edit box. Captions (labels, buttons, typing texts) are one line; the bodies of
// balloons, notes and texts may run over several, stored with CR LF between the lines.

#include "model/object_kind.h"

#include <QString>

#include <string>

namespace vantora::canvas {

enum class InPlaceText { None, SingleLine, MultiLine };

InPlaceText InPlaceTextOf(TObjectKind kind);

// The stored text as an edit box shows it (LF between lines) and back (CR LF).
QString ShownText(const std::string& stored);
std::string StoredText(const QString& shown);

// The stored text holds no line break: a single-line edit box shows all of it.
bool IsSingleLine(const std::string& stored);

} // namespace vantora::canvas
