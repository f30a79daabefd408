#pragma once
// Wrapping a line of text into rows by character count.

#include <QString>
#include <QStringList>

namespace vantora {

// Splits `line` into rows of about `maxColumns` characters (at least 2 are used). A row may end
// after a tab, a blank or one of ! , - . : ; ? ; when a row grows past the limit it ends at the
// last such place reached. A row without one is not cut and runs on to the next place. Nothing
// between quotation marks is broken. Blanks and tabs that follow a break stay at the end of the
// row they follow, so no row starts with a blank. An apostrophe between two letters or digits
// ("don't") is part of a word, not a quotation mark.
QStringList WrapByColumns(const QString& line, int maxColumns);

} // namespace vantora
