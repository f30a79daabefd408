#pragma once
// The About box: title, icon, version, maker and the addresses for the web site, support and sales.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"

#include <QDialog>

namespace vantora {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(UserPrompts& prompts, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

void RunAboutForm(QWidget* parent, UserPrompts& prompts = SystemPrompts(), const DialogDriver& drive = ExecDialog);

} // namespace vantora
