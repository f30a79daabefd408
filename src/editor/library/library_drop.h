#pragma once
// A library item dropped on the current scene at a scene point. A picture or a sound is first
// offered to the objects of the matching kind under the point, front to back, each behind a
// Yes/No question; the first Yes replaces that object's picture or sound. Otherwise a new object
// of the kind holds it (images and buttons as large as the picture). A gallery item adds its
// object. Each drop is one undo step; nothing changes without a current scene.

#include "editor/library/library_drag_data.h"

#include <QPoint>
#include <QString>

#include <functional>

namespace vantora {

class EditorDocument;

struct LibraryDropPrompts {
    // A question with Yes and No and a question icon; true for Yes.
    std::function<bool(const QString& caption, const QString& text)> confirm;
    // Why the dropped file could not be used.
    std::function<void(const QString& message)> error;
};

// The caption and text of the question for an object of `kind` named `name`, e.g. "Change Cursor"
// and "Change \"Cursor1\" cursor?".
struct ReplaceQuestion {
    QString caption;
    QString text;
};
ReplaceQuestion ReplaceQuestionFor(LibraryKind kind, const QString& name);

// True when the scene changed.
bool DropLibraryItem(EditorDocument& document, const LibraryItemRef& item, QPoint point,
                     const LibraryDropPrompts& prompts);

} // namespace vantora
