#pragma once
// The tool bar's pictures, drawn here so that the program ships no icon files of its own.

#include "model/object_kind.h"

#include <QIcon>

namespace vantora {

enum class ToolBarGlyph { New, Open, Save, Properties, Preview, Publish, NewScene, PreviewScene, Copy, Paste, Select };

QIcon ToolBarIcon(ToolBarGlyph glyph);
QIcon ObjectKindIcon(TObjectKind kind);
// A scene: the picture of a screen.
QIcon SceneIcon();

} // namespace vantora
