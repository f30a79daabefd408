#pragma once
// "Preview..." and "Preview Scene...": build the demo (or one scene) into `movieFile` - the main
// window passes "TmpFlash.swf" in the program folder - and show it in the "Flash Player" window.
// The main window calls these after it has committed any pending property edit; `onFrame`, when
// given, is told every movie frame the window shows while it is open.

#include "model/demo.h"
#include "preview/flash_player_form.h"

#include <QColor>
#include <QString>

#include <filesystem>

class QWidget;

namespace vantora {

// False when the build failed (its message shown) or no window opened.
bool PreviewDemo(QWidget* parent, const TVantora& demo, const std::filesystem::path& movieFile,
                 const PreviewFrameReport& onFrame = {});
bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex, const std::filesystem::path& movieFile,
                  const PreviewFrameReport& onFrame = {});

// The same with the messages and the window's modal run replaced (tests): `show` gets the movie
// path and returns whether a window opened.
using PreviewShow = bool (*)(QWidget* parent, const QString& moviePath, int width, int height, QColor backColor,
                             PreviewMessages& messages, const PreviewFrameReport& onFrame);
bool PreviewDemo(QWidget* parent, const TVantora& demo, const std::filesystem::path& movieFile,
                 PreviewMessages& messages, PreviewShow show, const PreviewFrameReport& onFrame = {});
bool PreviewScene(QWidget* parent, const TVantora& demo, int sceneIndex, const std::filesystem::path& movieFile,
                  PreviewMessages& messages, PreviewShow show, const PreviewFrameReport& onFrame = {});

} // namespace vantora
