#pragma once
// What the Publish dialog asks for outside its own windows, beyond the shared user prompts: the
// error box, the folder browser, opening a produced file with the desktop's program for it, and
// starting the disc burner and waiting for it. The program uses SystemPublishPrompts(); tests
// hand in their own.

#include <QString>

class QWidget;

namespace vantora {

class PublishPrompts {
public:
    virtual ~PublishPrompts() = default;
    // A message box captioned "Error" with an error icon.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // The folder browser, opening at `startFolder` (empty: its own choice); empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) = 0;
    // Opens the file as the desktop's "Open" does.
    virtual void openFile(const QString& path) = 0;
    // Starts the disc burner on `folder` and returns once it has ended, keeping the windows
    // painted meanwhile. False with the system's text in `error` when it could not start.
    virtual bool runDiscBurner(const QString& folder, QString& error) = 0;
};

PublishPrompts& SystemPublishPrompts();

// The disc burner program: "discora" beside the running program, else "Discora" in the program
// folder.
QString DiscBurnerProgram();

} // namespace vantora
