#pragma once
// A reader of the rich text format for the texts the program ships ("Tips.rtf"): paragraphs and
// line breaks, bold, italic, underline, font sizes, colours from the colour table, paragraph
// alignment, and the code page and Unicode escapes. Pictures, tables, fields and the other
// destinations are skipped. Damaged input never fails hard: what can be read is shown.

#include <QString>

#include <string_view>

class QTextDocument;

namespace vantora {

// Groups nested deeper than this are skipped with their content.
inline constexpr int kMaxRtfDepth = 64;

// Fills `document` with the text. False (and the document left empty) when `rtf` does not start
// like a rich text file.
bool ReadRtf(std::string_view rtf, QTextDocument& document);

} // namespace vantora
