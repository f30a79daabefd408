#include "editor/grids/grid_font.h"

namespace vantora {

QFont ToQFont(const TObjectFont& font) {
    QFont q(QString::fromStdString(font.Name));
    q.setPointSize(std::max(1, font.Size()));
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    q.setStrikeOut(font.StrikeOut);
    return q;
}

TObjectFont FromQFont(const QFont& font, const TObjectFont& base) {
    TObjectFont next = base;
    next.Name = font.family().toStdString();
    if (font.pointSize() > 0)
        next.SetSize(font.pointSize());
    next.Bold = font.bold();
    next.Italic = font.italic();
    next.Underline = font.underline();
    next.StrikeOut = font.strikeOut();
    return next;
}

} // namespace vantora
