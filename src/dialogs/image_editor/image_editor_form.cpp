#include "dialogs/image_editor/image_editor_form.h"

#include "base/safe_file.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/image_editor/image_view.h"
#include "dialogs/image_editor/picture_checks.h"
#include "picture/picture_file.h"
#include "render/image_conversion.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

constexpr const char* kPictureFilter =
    "All pictures (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.ico;*.wmf;*.emf)|*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.ico;*.wmf;*.emf"
    "|Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG images (*.png)|*.png"
    "|GIF images (*.gif)|*.gif|Icons (*.ico)|*.ico|Metafiles (*.wmf;*.emf)|*.wmf;*.emf";
constexpr const char* kIconFilter = "Icons (*.ico)|*.ico";

struct FormatFile {
    const char* filter;
    const char* suffix;
};

FormatFile FileOfFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bitmap: return {"Bitmaps (*.bmp)|*.bmp", "bmp"};
    case PictureFormat::Jpeg: return {"JPEG images (*.jpg)|*.jpg", "jpg"};
    case PictureFormat::Png: return {"PNG images (*.png)|*.png", "png"};
    case PictureFormat::Gif: return {"GIF images (*.gif)|*.gif", "gif"};
    case PictureFormat::Icon: return {"Icons (*.ico)|*.ico", "ico"};
    case PictureFormat::Metafile: return {"Metafiles (*.wmf;*.emf)|*.wmf;*.emf", "wmf"};
    case PictureFormat::Empty: break;
    }
    return {"All files (*)|*", ""};
}

std::filesystem::path ToPath(const QString& name) { return std::filesystem::path(name.toStdU32String()); }

} // namespace

TImageEditorForm::TImageEditorForm(const Picture& picture, bool iconMode, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), iconMode_(iconMode), picture_(picture) {
    setWindowTitle(QStringLiteral("Image Editor"));
    setObjectName(QStringLiteral("ImageEditorForm"));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    view_ = new TImageView(frame);
    view_->setObjectName(QStringLiteral("ImageView"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(view_);
    kindLabel_ = new QLabel(this);
    kindLabel_->setObjectName(QStringLiteral("KindLabel"));

    QPushButton* load = MakeDialogButton(QStringLiteral("&Load From File..."), "LoadButton", this);
    saveButton_ = MakeDialogButton(QStringLiteral("&Save As..."), "SaveButton", this);
    clearButton_ = MakeDialogButton(QStringLiteral("&Clear"), "ClearButton", this);
    QPushButton* shot = MakeDialogButton(QStringLiteral("Take a Screen Shot..."), "ScreenShotButton", this);
    QPushButton* ok = MakeDialogButton(QStringLiteral("&OK"), "OkButton", this);
    QPushButton* cancel = MakeDialogButton(QStringLiteral("Cancel"), "CancelButton", this);
    ok->setDefault(true);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {load, saveButton_, clearButton_, shot})
        side->addWidget(button);
    side->addStretch(1);
    side->addWidget(ok);
    side->addWidget(cancel);

    auto* left = new QVBoxLayout;
    left->addWidget(frame);
    left->addWidget(kindLabel_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(load, &QPushButton::clicked, this, &TImageEditorForm::load);
    connect(saveButton_, &QPushButton::clicked, this, &TImageEditorForm::saveAs);
    connect(clearButton_, &QPushButton::clicked, this, &TImageEditorForm::clearPicture);
    connect(shot, &QPushButton::clicked, this, [this] { done(kTakeScreenShot); });
    connect(ok, &QPushButton::clicked, this, &TImageEditorForm::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPicture();
}

void TImageEditorForm::showPicture() {
    QImage shown;
    int width = 0, height = 0;
    if (!picture_.empty() && picture_.format() != PictureFormat::Metafile) {
        RgbaImage decoded = picture_.decode(kImageEditorLimits);
        width = decoded.width;
        height = decoded.height;
        if (!decoded.empty())
            shown = AdoptRgbaImage(std::move(decoded));
    }
    view_->setImage(shown);
    kindLabel_->setText(PictureKindText(picture_, width, height));
    saveButton_->setEnabled(!picture_.empty());
    clearButton_->setEnabled(!picture_.empty());
}

bool TImageEditorForm::takePicture(Picture candidate) {
    const PictureCheck check = CheckPicture(candidate);
    if (!check.ok) {
        prompts_.information(this, QStringLiteral("Information"),
                             check.tooLarge ? QString::fromStdString(check.reason) : QString::fromLatin1(kInvalidImageData));
        return false;
    }
    picture_ = std::move(candidate);
    changed_ = true;
    showPicture();
    return true;
}

void TImageEditorForm::load() {
    const QString name = prompts_.openFileName(this, QString::fromLatin1(iconMode_ ? kIconFilter : kPictureFilter));
    if (name.isEmpty())
        return;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readPictureFile(ToPath(name), bytes, error)) {
        prompts_.information(this, QStringLiteral("Information"), QString::fromStdString(error));
        return;
    }
    Picture candidate;
    if (!candidate.loadFromBytes(std::move(bytes))) {
        prompts_.information(this, QStringLiteral("Information"), QString::fromLatin1(kInvalidImageData));
        return;
    }
    takePicture(std::move(candidate));
}

void TImageEditorForm::saveAs() {
    if (picture_.empty())
        return;
    const FormatFile file = FileOfFormat(picture_.format());
    QString name = prompts_.saveFileName(this, QString::fromLatin1(file.filter),
                                         QStringLiteral("Image.") + QString::fromLatin1(file.suffix));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty() && *file.suffix)
        name += QLatin1Char('.') + QString::fromLatin1(file.suffix);
    if (!WriteFileSafely(ToPath(name), picture_.bytes()).ok())
        prompts_.information(this, QStringLiteral("Information"),
                             QStringLiteral("The file \"%1\" cannot be written.").arg(QFileInfo(name).fileName()));
}

void TImageEditorForm::clearPicture() {
    picture_.clear();
    changed_ = true;
    showPicture();
}

void TImageEditorForm::accept() {
    if (!picture_.empty()) {
        if (iconMode_ && picture_.format() != PictureFormat::Icon) {
            prompts_.information(this, QStringLiteral("Information"), QString::fromLatin1(kNotAnIcon));
            return;
        }
        const PictureCheck check = CheckPicture(picture_);
        const std::optional<Picture> converted = check.ok ? WithoutPngPalette(picture_) : std::nullopt;
        if (!converted) {
            prompts_.information(this, QStringLiteral("Information"),
                                 check.tooLarge ? QString::fromStdString(check.reason)
                                                : QString::fromLatin1(kInvalidImageData));
            return;
        }
        picture_ = *converted;
    }
    QDialog::accept();
}

bool RunImageEditorForm(Picture& picture, bool iconMode, const ImageEditorContext& context, QWidget* parent,
                        const DialogDriver& drive) {
    Picture working = picture;
    bool changed = false;
    for (;;) {
        TImageEditorForm form(working, iconMode, context.prompts, parent);
        form.setChanged(changed);
        const int result = drive(form);
        if (result == TImageEditorForm::kTakeScreenShot) {
            working = form.picture();
            changed = form.changed();
            QString error;
            if (std::optional<Picture> shot = context.screenShots.takeScreenShot(context.demoWidth, context.demoHeight, error)) {
                working = std::move(*shot);
                changed = true;
            } else if (!error.isEmpty()) {
                context.prompts.information(parent, QStringLiteral("Information"), error);
            }
            continue; // the dialog opens again, with the new picture when there is one
        }
        if (result != QDialog::Accepted || !form.changed())
            return false;
        Picture accepted = form.picture();
        if (accepted.format() == PictureFormat::Bitmap &&
            context.prompts.askYesNo(parent, QString::fromLatin1(kConvertToJpegCaption),
                                     QString::fromLatin1(kConvertToJpegQuestion)))
            if (std::optional<Picture> jpeg = BitmapToJpeg(accepted))
                accepted = std::move(*jpeg);
        picture = std::move(accepted);
        return true;
    }
}

ScreenShotSource& NoScreenCapture() {
    class Unavailable final : public ScreenShotSource {
    public:
        std::optional<Picture> takeScreenShot(int, int, QString& error) override {
            error = QString::fromLatin1(kScreenCaptureUnavailable);
            return std::nullopt;
        }
    };
    static Unavailable source;
    return source;
}

} // namespace vantora
