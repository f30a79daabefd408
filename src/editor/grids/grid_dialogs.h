#pragma once
// The dialogs the ellipsis buttons open, behind one seam so that tests answer them without a
// human. Each returns true when the user accepted a changed value and then sets it.

#include "dialogs/dialog_driver.h"
#include "dialogs/image_editor/screen_shot_source.h"
#include "model/colour.h"
#include "model/object_font.h"
#include "picture/picture.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace vantora {

class UserPrompts;

struct GridDialogs {
    std::function<bool(std::string& text, QWidget* parent)> editText;
    std::function<bool(TObjectFont& font, QWidget* parent)> chooseFont;
    std::function<bool(TColor& colour, QWidget* parent)> chooseColour;
    // The image editor in picture mode; its screen shots are taken at `shotSize`, the demo's size.
    std::function<bool(Picture& picture, QSize shotSize, QWidget* parent)> editPicture;
    // The sound file to load, empty when cancelled.
    std::function<QString(QWidget* parent)> chooseSoundFile;
    std::function<void(QWidget* parent, const QString& caption, const QString& text)> information;
};

// The program's own dialogs: text editor, font dialog, colour editor, image editor, file dialog
// and message box. Messages and file dialogs go to `prompts`; every dialog window runs through
// `drive`, so that whoever answers the main window answers the grids too.
GridDialogs StandardGridDialogs(std::shared_ptr<UserPrompts> prompts, DialogDriver drive = ExecDialog,
                                ScreenShotSource& screenShots = NoScreenCapture());

} // namespace vantora
