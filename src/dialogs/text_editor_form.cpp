#include "dialogs/text_editor_form.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/text_file.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

QPushButton* AddButton(QBoxLayout* row, const QString& caption, const char* name, QWidget* parent) {
    QPushButton* button = MakeDialogButton(caption, name, parent);
    row->addWidget(button);
    return button;
}

std::filesystem::path ToPath(const QString& name) { return std::filesystem::path(name.toStdU32String()); }

} // namespace

TTextEditorForm::TTextEditorForm(const QString& text, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Text Editor"));
    setObjectName(QStringLiteral("TextEditorForm"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setPlainText(text);
    memo_->setTabChangesFocus(true);

    auto* buttons = new QHBoxLayout;
    QPushButton* load = AddButton(buttons, QStringLiteral("&Load..."), "LoadButton", this);
    QPushButton* save = AddButton(buttons, QStringLiteral("&Save As..."), "SaveButton", this);
    QPushButton* clear = AddButton(buttons, QStringLiteral("Clear"), "ClearButton", this);
    buttons->addStretch(1);
    QPushButton* ok = AddButton(buttons, QStringLiteral("&OK"), "OkButton", this);
    QPushButton* cancel = AddButton(buttons, QStringLiteral("&Cancel"), "CancelButton", this);
    // Enter makes a new line in the memo, so OK is not the default button here.
    for (QPushButton* button : {load, save, clear, ok, cancel})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(buttons);
    resize(520, 360);

    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(load, &QPushButton::clicked, this, &TTextEditorForm::load);
    connect(save, &QPushButton::clicked, this, &TTextEditorForm::saveAs);
    connect(clear, &QPushButton::clicked, this, &TTextEditorForm::clearText);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    memo_->setFocus();
}

QString TTextEditorForm::text() const { return memo_->toPlainText(); }

void TTextEditorForm::load() {
    const QString name = prompts_.openFileName(this, QString::fromLatin1(kTextFileFilter));
    if (name.isEmpty())
        return;
    const TextFileResult read = ReadTextFile(ToPath(name));
    if (!read.text) {
        prompts_.information(this, QStringLiteral("Information"), read.error);
        return;
    }
    memo_->setPlainText(*read.text);
    changed_ = true; // even a file with the same text counts as a change
}

void TTextEditorForm::saveAs() {
    const QString name = prompts_.saveFileName(this, QString::fromLatin1(kTextFileFilter), QStringLiteral("Text.txt"));
    if (name.isEmpty())
        return;
    const QString error = WriteTextFile(ToPath(name), text());
    if (!error.isEmpty())
        prompts_.information(this, QStringLiteral("Information"), error);
}

void TTextEditorForm::clearText() {
    memo_->clear();
    changed_ = true;
}

bool RunTextEditorForm(std::string& text, QWidget* parent, UserPrompts& prompts, const DialogDriver& drive) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    TTextEditorForm form(shown, prompts, parent);
    if (drive(form) != QDialog::Accepted || !form.changed())
        return false;
    QString edited = form.text();
    edited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    text = edited.toStdString();
    return true;
}

} // namespace vantora
