#include "render/text/note_text.h"

#include "model/demo_object.h"
#include "render/text/aa_work_bitmap.h"
#include "render/text/font_conversion.h"
#include "render/text/text_painters.h"

#include <algorithm>
#include <cstring>

namespace vantora {
namespace {

constexpr int kMaxTextBoxSide = 16384;

TAAAlignment NoteAlignment(std::int32_t alignment) {
    switch (alignment) {
    case 1: return TAAAlignment::taCenter;
    case 2: return TAAAlignment::taRightJustify;
    default: return TAAAlignment::taLeftJustify;
    }
}

// Copies the colours of `box` onto `picture` at `topLeft`; alpha stays as the body made it.
void CopyColours(const QImage& box, QImage& picture, QPoint topLeft) {
    const QRect target = QRect(topLeft, box.size()).intersected(picture.rect());
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(box.constScanLine(y - topLeft.y()));
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = target.left(); x <= target.right(); ++x) {
            line[x] = (line[x] & 0xFF000000u) | (source[x - topLeft.x()] & 0x00FFFFFFu);
        }
    }
}

} // namespace

QStringList NoteTextLines(const std::string& text) {
    QString all = QString::fromStdString(text);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    all.replace(u'\r', u'\n');
    if (all.isEmpty()) {
        return {};
    }
    return all.split(u'\n');
}

TAAEffect NoteTextEffect(const TDemoObject& note) {
    TAAEffect effect;
    effect.Angle = note.TextAngle % 360;
    effect.Spray = std::clamp(note.TextSpray, 0, 255);
    effect.Blur = std::clamp(note.TextBlur, 0, 100);
    effect.Noise = std::clamp(note.TextNoise, 0, 100) * 255 / 100;
    effect.HorzMirror = note.TextHorzMirror;
    effect.VertMirror = note.TextVertMirror;
    effect.Outline = note.TextOutline;

    const int style = note.TextGradientStyle;
    effect.Gradual.Enabled = style >= 1 && style <= 6;
    if (effect.Gradual.Enabled) {
        effect.Gradual.Style = static_cast<TAAGradualStyle>(style - 1);
    }
    effect.Gradual.StartColor = ToArgb(note.Font.Color);
    effect.Gradual.EndColor = ToArgb(note.TextGradientColor);

    effect.Shadow.Enabled = note.TextShadow;
    effect.Shadow.Color = ToArgb(note.TextShadowColor);
    effect.Shadow.Blur = std::clamp(note.TextShadowBlur, 0, 100);
    effect.Shadow.OffsetX = std::clamp(note.TextShadowXOff, -20, 20);
    effect.Shadow.OffsetY = std::clamp(note.TextShadowYOff, -20, 20);
    return effect;
}

TAAText NoteTextControl(const TDemoObject& note) {
    TAAText control;
    control.Lines = NoteTextLines(note.Text);
    control.Alignment = NoteAlignment(note.Alignment);
    control.WordWrap = true;
    control.RowPitch = note.Spacing;
    control.Color = ToArgb(note.BackColor);
    control.Border = 0;
    control.Font = ToQFont(note.Font, FontSmoothing::Antialiased);
    control.FontColor = ToArgb(note.Font.Color);
    control.FontEffect = NoteTextEffect(note);
    control.Quality = TAAQuality::aqNormal;
    return control;
}

void DrawNoteText(QImage& picture, const TDemoObject& note, const QRect& textBox) {
    if (picture.isNull() || textBox.width() <= 0 || textBox.height() <= 0 ||
        textBox.width() > kMaxTextBoxSide || textBox.height() > kMaxTextBoxSide ||
        !textBox.intersects(picture.rect())) {
        return;
    }
    // Both 32-bit layouts keep their top byte: the alpha of ARGB32, the 0xFF of an RGB32 colour
    // plane. Anything else is brought to ARGB32 first.
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32) {
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    }
    // Work bitmaps are kept between notes; the generator restarts so every note draws the same
    // each time it is painted.
    struct Workspace {
        TAARandom random;
        TAAFontEx font{random};
        TAAWorkBitmap box{QImage::Format_RGB32};
    };
    thread_local Workspace workspace;
    workspace.random.Seed(kNoteTextSeed);
    QImage& box = workspace.box.Resize(textBox.width(), textBox.height());
    NoteTextControl(note).Paint(box, workspace.font);
    CopyColours(box, picture, textBox.topLeft());
}

} // namespace vantora
