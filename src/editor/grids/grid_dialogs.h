#pragma once
// The dialogs the ellipsis buttons open, behind one seam so that tests answer them without a
// human. Each returns true when the user accepted a changed value and then sets it.

#include "model/colour.h"
#include "model/object_font.h"
#include "picture/picture.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace vantora {

class UserPrompts;

struct GridDialogs {
    std::function<bool(std::string& text, QWidget* parent)> editText;
    std::function<bool(TObjectFont& font, QWidget* parent)> chooseFont;
    std::function<bool(TColor& colour, QWidget* parent)> chooseColour;
    // Empty when no image editor is wired in: the picture rows then do nothing.
    std::function<bool(Picture& picture, QWidget* parent)> editPicture;
    // The sound file to load, empty when cancelled.
    std::function<QString(QWidget* parent)> chooseSoundFile;
    std::function<void(QWidget* parent, const QString& caption, const QString& text)> information;
};

// The program's own dialogs: text editor, font dialog, colour editor, file dialog, message box.
GridDialogs StandardGridDialogs(UserPrompts& prompts);

} // namespace vantora
