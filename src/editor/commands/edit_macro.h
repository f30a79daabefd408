#pragma once
// Groups the commands pushed during its lifetime into one undo step (beginMacro/endMacro), and
// ends the group on every way out of the scope, early returns and exceptions included.

#include <QString>
#include <QUndoStack>

namespace vantora {

class EditMacro {
public:
    EditMacro(QUndoStack& stack, const QString& text) : stack_(stack) { stack_.beginMacro(text); }
    ~EditMacro() { stack_.endMacro(); }

    EditMacro(const EditMacro&) = delete;
    EditMacro& operator=(const EditMacro&) = delete;

private:
    QUndoStack& stack_;
};

} // namespace vantora
