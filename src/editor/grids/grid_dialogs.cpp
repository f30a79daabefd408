#include "editor/grids/grid_dialogs.h"

#include "dialogs/image_editor/image_editor_form.h"
#include "dialogs/select_color_form.h"
#include "dialogs/text_editor_form.h"
#include "dialogs/user_prompts.h"
#include "editor/grids/grid_font.h"
#include "model/property_edit.h"

#include <QFontDialog>
#include <QFontInfo>

namespace vantora {
namespace {

// The toolkit font the dialog can show for `font`: where the stored family is not installed, the
// family the system substitutes for it, so that the list selects a real entry and the style,
// size and effects of the object are what the dialog opens on.
QFont DialogFontFor(const TObjectFont& font) {
    QFont shown = ToQFont(font);
    shown.setFamily(QFontInfo(shown).family());
    return shown;
}

bool RunFontDialog(TObjectFont& font, QWidget* parent, const DialogDriver& drive) {
    const QFont shown = DialogFontFor(font);
    QFontDialog dialog(parent);
    dialog.setCurrentFont(shown);
    if (drive(dialog) != QDialog::Accepted)
        return false;
    TObjectFont next = FromQFont(dialog.currentFont(), font);
    // The family stands for the stored one until the user picks another: keep its name, which
    // the movie's fonts and other machines may resolve differently.
    if (dialog.currentFont().family() == shown.family())
        next.Name = font.Name;
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
