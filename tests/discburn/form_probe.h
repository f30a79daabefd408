#pragma once
// What the window tests share: the one application object, and reading the window's log list.

#include "discburn/discora_form.h"

#include <QApplication>
#include <QStringList>
#include <QTreeWidget>

namespace discora::test {

// Creates the application on first use; it lives until the process ends, as an application does.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "discora_form_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

// The text of each line of the log list, top to bottom.
inline QStringList logLines(const DiscoraForm& form) {
    QStringList lines;
    const auto* list = form.findChild<QTreeWidget*>(QStringLiteral("logList"));
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        lines << list->topLevelItem(i)->text(0);
    return lines;
}

} // namespace discora::test
