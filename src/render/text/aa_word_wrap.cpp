#include "render/text/aa_word_wrap.h"

#include <algorithm>

namespace vantora {
namespace {

bool IsBreakCharacter(QChar c) {
    switch (c.unicode()) {
    case '\t': case ' ': case '!': case ',': case '-': case '.': case ':': case ';': case '?':
        return true;
    default:
        return false;
    }
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool IsApostrophe(const QString& line, qsizetype i) {
    return line[i] == u'\'' && i > 0 && i + 1 < line.size() && line[i - 1].isLetterOrNumber() &&
           line[i + 1].isLetterOrNumber();
}

} // namespace

QStringList WrapByColumns(const QString& line, int maxColumns) {
    const qsizetype limit = std::max(maxColumns, 2);
    QStringList rows;
    qsizetype rowStart = 0;
    qsizetype lastBreak = -1; // index of the last break character of the current row
    QChar openQuote;          // null while outside quotation marks
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!openQuote.isNull()) {
            if (c == openQuote) {
                openQuote = QChar();
            }
        } else if ((c == u'"' || c == u'\'') && !IsApostrophe(line, i)) {
            openQuote = c;
        } else if (IsBreakCharacter(c)) {
            lastBreak = i;
        }
        const bool overLimit = i - rowStart + 1 > limit;
        if (openQuote.isNull() && overLimit && lastBreak > rowStart) {
            qsizetype end = lastBreak + 1;
            while (end < line.size() && IsBlank(line[end])) {
                ++end;
            }
            rows.append(line.mid(rowStart, end - rowStart));
            rowStart = end;
            lastBreak = -1;
            // The characters between the break and i belong to the new row: look at them again.
            i = end - 1;
        }
    }
    if (rowStart < line.size() || rows.isEmpty()) {
        rows.append(line.mid(rowStart));
    }
    return rows;
}

} // namespace vantora
