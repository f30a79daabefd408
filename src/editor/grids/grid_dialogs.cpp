#include "editor/grids/grid_dialogs.h"

#include "dialogs/image_editor/image_editor_form.h"
#include "dialogs/select_color_form.h"
#include "dialogs/text_editor_form.h"
#include "dialogs/user_prompts.h"
#include "editor/grids/grid_font.h"
#include "model/property_edit.h"

#include <QFontDialog>

namespace vantora {
namespace {

bool RunFontDialog(TObjectFont& font, QWidget* parent, const DialogDriver& drive) {
    QFontDialog dialog(ToQFont(font), parent);
    if (drive(dialog) != QDialog::Accepted)
        return false;
    const TObjectFont next = FromQFont(dialog.currentFont(), font);
    if (next == font)
        return false;
    font = next;
    return true;
}

} // namespace

GridDialogs StandardGridDialogs(std::shared_ptr<UserPrompts> prompts, DialogDriver drive,
                                ScreenShotSource& screenShots) {
    GridDialogs d;
    d.editText = [prompts, drive](std::string& text, QWidget* parent) {
        return RunTextEditorForm(text, parent, *prompts, drive);
    };
    d.chooseFont = [drive](TObjectFont& font, QWidget* parent) { return RunFontDialog(font, parent, drive); };
    d.chooseColour = [prompts, drive](TColor& colour, QWidget* parent) {
        return RunSelectColorForm(colour, parent, *prompts, drive);
    };
    d.editPicture = [prompts, drive, &screenShots](Picture& picture, QSize shotSize, QWidget* parent) {
        const ImageEditorContext context{*prompts, screenShots, shotSize.width(), shotSize.height()};
        return RunImageEditorForm(picture, /*iconMode=*/false, context, parent, drive);
    };
    d.chooseSoundFile = [prompts](QWidget* parent) {
        return prompts->openFileName(parent, QString::fromUtf8(kSoundFileFilter.data(), kSoundFileFilter.size()));
    };
    d.information = [prompts](QWidget* parent, const QString& caption, const QString& text) {
        prompts->information(parent, caption, text);
    };
    return d;
}

} // namespace vantora
