#include "editor/grids/grid_dialogs.h"

#include "dialogs/select_color_form.h"
#include "dialogs/text_editor_form.h"
#include "dialogs/user_prompts.h"
#include "editor/grids/grid_font.h"
#include "model/property_edit.h"

#include <QFontDialog>

namespace vantora {

GridDialogs StandardGridDialogs(UserPrompts& prompts) {
    GridDialogs d;
    d.editText = [&prompts](std::string& text, QWidget* parent) { return RunTextEditorForm(text, parent, prompts); };
    d.chooseFont = [](TObjectFont& font, QWidget* parent) {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), parent);
        if (!ok)
            return false;
        const TObjectFont next = FromQFont(chosen, font);
        if (next == font)
            return false;
        font = next;
        return true;
    };
    d.chooseColour = [&prompts](TColor& colour, QWidget* parent) {
        return RunSelectColorForm(colour, parent, prompts);
    };
    d.chooseSoundFile = [&prompts](QWidget* parent) {
        return prompts.openFileName(parent, QString::fromUtf8(kSoundFileFilter.data(), kSoundFileFilter.size()));
    };
    d.information = [&prompts](QWidget* parent, const QString& caption, const QString& text) {
        prompts.information(parent, caption, text);
    };
    return d;
}

} // namespace vantora
