#pragma once
// "Image Editor": shows a picture and lets the user load, save, clear or capture one. In icon mode
// only icons are taken.

#include "dialogs/dialog_driver.h"
#include "dialogs/image_editor/screen_shot_source.h"
#include "dialogs/user_prompts.h"
#include "picture/picture.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vantora {

class TImageView;

inline constexpr const char* kInvalidImageData = "The image data is invalid.";
inline constexpr const char* kNotAnIcon = "The image is not an icon.";
inline constexpr const char* kConvertToJpegCaption = "Convert to Jpeg";
inline constexpr const char* kConvertToJpegQuestion =
    "In order to reduce project size and save time for loading and saving it, convert it to Jpeg format?";

class TImageEditorForm : public QDialog {
    Q_OBJECT
public:
    // The result code when "Take a Screen Shot..." closed the dialog.
    static constexpr int kTakeScreenShot = 2;

    TImageEditorForm(const Picture& picture, bool iconMode, UserPrompts& prompts, QWidget* parent = nullptr);

    const Picture& picture() const { return picture_; }
    bool changed() const { return changed_; }
    void setChanged(bool changed) { changed_ = changed; }

    // OK checks the picture first and stays open when it is not acceptable.
    void accept() override;

private:
    void showPicture();
    void load();
    void saveAs();
    void clearPicture();
    // Puts `candidate` in place when it decodes; otherwise tells the user and keeps the old one.
    bool takePicture(Picture candidate);

    UserPrompts& prompts_;
    bool iconMode_;
    Picture picture_;
    bool changed_ = false;
    TImageView* view_;
    QLabel* kindLabel_;
    QPushButton* saveButton_;
    QPushButton* clearButton_;
};

struct ImageEditorContext {
    UserPrompts& prompts;
    ScreenShotSource& screenShots;
    int demoWidth = 640; // the size screen shots are taken at
    int demoHeight = 480;
};

// True when "&OK" closed the dialog after the picture was changed; then `picture` is the new one
// (a bitmap turned into a JPEG when the user agrees).
bool RunImageEditorForm(Picture& picture, bool iconMode, const ImageEditorContext& context, QWidget* parent,
                        const DialogDriver& drive = ExecDialog);

} // namespace vantora
