#pragma once
// "Text Editor": a multi-line text with load, save and clear.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"

#include <QDialog>

#include <string>

class QPlainTextEdit;
class QPushButton;

namespace vantora {

inline constexpr const char* kTextFileFilter = "Text file (*.txt)|*.txt";

class TTextEditorForm : public QDialog {
    Q_OBJECT
public:
    TTextEditorForm(const QString& text, UserPrompts& prompts, QWidget* parent = nullptr);

    bool changed() const { return changed_; }
    // The memo's lines joined by line breaks.
    QString text() const;

private:
    void load();
    void saveAs();
    void clearText();

    UserPrompts& prompts_;
    QPlainTextEdit* memo_;
    bool changed_ = false;
};

// True when "&OK" closed the dialog after the text was changed; then `text` is the new text, its
// lines joined by CR LF as the model keeps them.
bool RunTextEditorForm(std::string& text, QWidget* parent, UserPrompts& prompts = SystemPrompts(),
                       const DialogDriver& drive = ExecDialog);

} // namespace vantora
