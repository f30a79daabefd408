#include "editor/canvas/in_place_text.h"

namespace vantora::canvas {

InPlaceText InPlaceTextOf(TObjectKind kind) {
    switch (kind) {
    case TObjectKind::Balloon:
    case TObjectKind::RoundBalloon:
    case TObjectKind::Note:
    case TObjectKind::Text: return InPlaceText::MultiLine;
    case TObjectKind::Label:
    case TObjectKind::Button:
    case TObjectKind::InputText: return InPlaceText::SingleLine;
    default: return InPlaceText::None;
    }
}

QString ShownText(const std::string& stored) {
    QString shown = QString::fromStdString(stored);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

std::string StoredText(const QString& shown) {
    QString stored = shown;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // pasted Windows text
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored.toStdString();
}

bool IsSingleLine(const std::string& stored) { return stored.find_first_of("\r\n") == std::string::npos; }

} // namespace vantora::canvas
