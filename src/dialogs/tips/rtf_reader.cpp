#include "dialogs/tips/rtf_reader.h"

#include "base/windows1252.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantora {
namespace {

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int colourIndex = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1; // characters after \uN that stand in for readers without Unicode
    bool skip = false;   // inside a destination whose text is not shown
    bool colourTable = false;
};

// Destinations whose text is not part of the document.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 14> kSkipped = {
        "fonttbl", "stylesheet", "info",   "pict",    "header", "footer", "headerl",
        "headerr", "footerl",    "footerr", "object", "fldinst", "listtable", "themedata"};
    for (const std::string_view skipped : kSkipped)
        if (word == skipped)
            return true;
    return false;
}

class RtfParser {
public:
    RtfParser(std::string_view text, QTextDocument& document) : text_(text), cursor_(&document) {}

    void run() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '{') {
                if (depth() >= kMaxRtfDepth) {
                    skipGroup();
                    continue;
                }
                stack_.push_back(stack_.back());
                ignorableNext_ = false;
            } else if (c == '}') {
                if (stack_.size() > 1)
                    stack_.pop_back();
            } else if (c == '\\') {
                controlSymbolOrWord();
            } else if (c == '\r' || c == '\n') {
                // Line ends in the file carry no meaning.
            } else if (current().colourTable) {
                colourTableChar(c);
            } else {
                emitBytes(std::string_view(&text_[pos_ - 1], 1));
            }
        }
    }

private:
    int depth() const { return int(stack_.size()) - 1; }
    GroupState& current() { return stack_.back(); }

    void skipGroup() {
        for (int level = 1; pos_ < text_.size() && level > 0; ++pos_) {
            if (text_[pos_] == '\\')
                ++pos_; // an escaped brace does not count
            else if (text_[pos_] == '{')
                ++level;
            else if (text_[pos_] == '}')
                --level;
        }
    }

    void controlSymbolOrWord() {
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_])) && pos_ - start < 32)
            ++pos_;
        const std::string_view word = text_.substr(start, pos_ - start);
        std::optional<int> parameter;
        bool negative = false;
        if (pos_ < text_.size() && text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        long value = 0;
        int digits = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            if (digits++ < 9)
                value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (digits > 0)
            parameter = int(negative ? -value : value);
        if (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_; // the delimiter belongs to the word
        controlWord(word, parameter);
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}': emitBytes(std::string_view(&c, 1)); break;
        case '~': emitText(QString(QChar(0x00A0))); break;
        case '_': emitText(QString(QChar(0x2011))); break;
        case '*': ignorableNext_ = true; break;
        case '\'': hexByte(); break;
        case '\r':
        case '\n': newParagraph(); break;
        default: break; // \- optional hyphen and unknown symbols show nothing
        }
    }

    void hexByte() {
        if (pos_ + 2 > text_.size())
            return;
        const auto hex = [](char h) -> int {
            if (h >= '0' && h <= '9') return h - '0';
            if (h >= 'a' && h <= 'f') return h - 'a' + 10;
            if (h >= 'A' && h <= 'F') return h - 'A' + 10;
            return -1;
        };
        const int high = hex(text_[pos_]), low = hex(text_[pos_ + 1]);
        if (high < 0 || low < 0)
            return;
        pos_ += 2;
        const auto byte = std::uint8_t(high * 16 + low);
        if (pendingUnicodeSkip_ > 0) {
            --pendingUnicodeSkip_;
            return;
        }
        emitText(QString::fromStdString(AnsiToUtf8(std::span(&byte, 1))));
    }

    void controlWord(std::string_view word, std::optional<int> parameter) {
        const bool on = !parameter || *parameter != 0;
        GroupState& state = current();
        if (ignorableNext_ || IsSkippedDestination(word)) {
            // A \* destination we do not know, or one whose text is not shown: its group is skipped.
            ignorableNext_ = false;
            state.skip = true;
            return;
        }
        if (word == "colortbl") {
            state.colourTable = true;
        } else if (state.colourTable) {
            colourComponent(word, parameter.value_or(0));
        } else if (word == "par") {
            newParagraph();
        } else if (word == "line") {
            emitText(QString(QChar::LineSeparator));
        } else if (word == "tab") {
            emitText(QStringLiteral("\t"));
        } else if (word == "b") {
            state.bold = on;
        } else if (word == "i") {
            state.italic = on;
        } else if (word == "ul") {
            state.underline = on;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (word == "fs") {
            state.halfPoints = std::clamp(parameter.value_or(24), 8, 144);
        } else if (word == "cf") {
            state.colourIndex = std::max(0, parameter.value_or(0));
        } else if (word == "plain") {
            state.bold = state.italic = state.underline = false;
            state.halfPoints = 24;
            state.colourIndex = 0;
        } else if (word == "pard") {
            state.alignment = Qt::AlignLeft;
        } else if (word == "ql") {
            state.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            state.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            state.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            state.alignment = Qt::AlignJustify;
        } else if (word == "uc") {
            state.unicodeSkip = std::clamp(parameter.value_or(1), 0, 8);
        } else if (word == "u" && parameter) {
            const int code = *parameter < 0 ? *parameter + 65536 : *parameter;
            emitText(QString(QChar(char16_t(code))));
            pendingUnicodeSkip_ = state.unicodeSkip;
        } else if (word == "bullet") {
            emitText(QString(QChar(0x2022)));
        } else if (word == "emdash") {
            emitText(QString(QChar(0x2014)));
        } else if (word == "endash") {
            emitText(QString(QChar(0x2013)));
        } else if (word == "lquote") {
            emitText(QString(QChar(0x2018)));
        } else if (word == "rquote") {
            emitText(QString(QChar(0x2019)));
        } else if (word == "ldblquote") {
            emitText(QString(QChar(0x201C)));
        } else if (word == "rdblquote") {
            emitText(QString(QChar(0x201D)));
        }
    }

    void colourComponent(std::string_view word, int value) {
        const int component = std::clamp(value, 0, 255);
        if (word == "red")
            colour_.setRed(component);
        else if (word == "green")
            colour_.setGreen(component);
        else if (word == "blue")
            colour_.setBlue(component);
        colourSet_ = true;
    }

    void colourTableChar(char c) {
        if (c != ';')
            return;
        // An entry without components is the automatic colour (index 0 in practice).
        colours_.push_back(colourSet_ ? colour_ : QColor());
        colour_ = QColor(0, 0, 0);
        colourSet_ = false;
    }

    void emitBytes(std::string_view bytes) {
        if (current().skip)
            return;
        if (pendingUnicodeSkip_ > 0) {
            --pendingUnicodeSkip_;
            return;
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        emitText(QString::fromStdString(AnsiToUtf8(std::span(data, bytes.size()))));
    }

    void emitText(const QString& text) {
        const GroupState& state = current();
        if (state.skip || state.colourTable)
            return;
        applyAlignment();
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        format.setFontPointSize(state.halfPoints / 2.0);
        if (state.colourIndex > 0 && std::size_t(state.colourIndex) < colours_.size() &&
            colours_[std::size_t(state.colourIndex)].isValid())
            format.setForeground(colours_[std::size_t(state.colourIndex)]);
        cursor_.insertText(text, format);
    }

    void newParagraph() {
        if (current().skip)
            return;
        applyAlignment();
        cursor_.insertBlock();
        alignmentApplied_ = false;
    }

    void applyAlignment() {
        if (alignmentApplied_)
            return;
        QTextBlockFormat block = cursor_.blockFormat();
        block.setAlignment(current().alignment);
        cursor_.setBlockFormat(block);
        alignmentApplied_ = true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    QTextCursor cursor_;
    std::vector<GroupState> stack_{GroupState{}};
    std::vector<QColor> colours_;
    QColor colour_{0, 0, 0};
    bool colourSet_ = false;
    bool ignorableNext_ = false;
    int pendingUnicodeSkip_ = 0;
    bool alignmentApplied_ = false;
};

} // namespace

bool ReadRtf(std::string_view rtf, QTextDocument& document) {
    document.clear();
    if (!rtf.starts_with("{\\rtf"))
        return false;
    RtfParser(rtf, document).run();
    return true;
}

} // namespace vantora
