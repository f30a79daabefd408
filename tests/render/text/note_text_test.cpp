// The Note's text: property mapping onto the engine and what DrawNoteText does to the picture.

#include "model/demo_object.h"
#include "render/text/note_text.h"
#include "render/text/text_painters.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantora {
namespace {

TDemoObject NewNote() {
    TDemoObject note;
    note.Kind = TObjectKind::Note;
    note.Text = "New Note";
    note.Font.Name = "Arial";
    note.Font.Height = -13;
    note.Font.Bold = true;
    note.Font.Color = clWhite;
    note.BackColor = RGB(0, 62, 255);
    note.Spacing = 0;
    note.Width = 161;
    note.Height = 145;
    return note;
}

TEST(NoteTextEffect, NoisePercentBecomesAnAmplitude) {
    TDemoObject note = NewNote();
    note.TextNoise = 100;
    EXPECT_EQ(NoteTextEffect(note).Noise, 255);
    note.TextNoise = 50;
    EXPECT_EQ(NoteTextEffect(note).Noise, 127);
    note.TextNoise = 0;
    EXPECT_EQ(NoteTextEffect(note).Noise, 0);
    note.TextNoise = 5000;
    EXPECT_EQ(NoteTextEffect(note).Noise, 255);
}

TEST(NoteTextEffect, GradientStyleNumbersMapOntoTheEngineStyles) {
    TDemoObject note = NewNote();
    note.TextGradientColor = RGB(255, 0, 0);
    EXPECT_FALSE(NoteTextEffect(note).Gradual.Enabled);
    note.TextGradientStyle = 5;
    const TAAEffect effect = NoteTextEffect(note);
    EXPECT_TRUE(effect.Gradual.Enabled);
    EXPECT_EQ(effect.Gradual.Style, TAAGradualStyle::gsCenterToLR);
    EXPECT_EQ(effect.Gradual.StartColor, qRgb(255, 255, 255)) << "start colour = font colour";
    EXPECT_EQ(effect.Gradual.EndColor, qRgb(255, 0, 0));
    note.TextGradientStyle = 1;
    EXPECT_EQ(NoteTextEffect(note).Gradual.Style, TAAGradualStyle::gsLeftToRight);
    note.TextGradientStyle = 6;
    EXPECT_EQ(NoteTextEffect(note).Gradual.Style, TAAGradualStyle::gsCenterToTB);
    for (int unknown : {7, -1, 200}) {
        note.TextGradientStyle = unknown;
        EXPECT_FALSE(NoteTextEffect(note).Gradual.Enabled) << unknown;
    }
}

TEST(NoteTextEffect, ShadowAndShapeSettingsComeAcross) {
    TDemoObject note = NewNote();
    note.TextShadow = true;
    note.TextShadowColor = RGB(10, 20, 30);
    note.TextShadowBlur = 40;
    note.TextShadowXOff = -3;
    note.TextShadowYOff = 99;
    note.TextAngle = 400;
    note.TextSpray = 12;
    note.TextBlur = 150;
    note.TextHorzMirror = true;
    note.TextOutline = true;
    const TAAEffect effect = NoteTextEffect(note);
    EXPECT_TRUE(effect.Shadow.Enabled);
    EXPECT_EQ(effect.Shadow.Color, qRgb(10, 20, 30));
    EXPECT_EQ(effect.Shadow.Blur, 40);
    EXPECT_EQ(effect.Shadow.Alpha, 70);
    EXPECT_EQ(effect.Shadow.OffsetX, -3);
    EXPECT_EQ(effect.Shadow.OffsetY, 20);
    EXPECT_EQ(effect.Angle, 40);
    EXPECT_EQ(effect.Spray, 12);
    EXPECT_EQ(effect.Blur, 100);
    EXPECT_TRUE(effect.HorzMirror);
    EXPECT_FALSE(effect.VertMirror);
    EXPECT_TRUE(effect.Outline);
    EXPECT_EQ(effect.Alpha, 100);
}

TEST(NoteTextControl, LinesAlignmentBackgroundAndPitch) {
    TDemoObject note = NewNote();
    note.Text = "one\r\ntwo\nthree\rfour";
    note.Alignment = 2;
    note.Spacing = 25;
    const TAAText control = NoteTextControl(note);
    EXPECT_EQ(control.Lines, (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(control.Alignment, TAAAlignment::taRightJustify);
    EXPECT_EQ(control.Color, qRgb(0, 62, 255));
    EXPECT_EQ(control.RowPitch, 25);
    EXPECT_TRUE(control.WordWrap);
    EXPECT_EQ(control.Quality, TAAQuality::aqNormal);
    EXPECT_EQ(control.Font.pixelSize(), 13);
    EXPECT_TRUE(control.Font.bold());
    EXPECT_TRUE(NoteTextLines("").isEmpty());
}

// --- drawing into the note picture ---

QImage BodyPicture(int width, int height, QRgb body, int alpha) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(qRgba(qRed(body), qGreen(body), qBlue(body), alpha));
    return picture;
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y));
        }
    }
    return count;
}

TEST(DrawNoteText, ChangesColoursInsideTheBoxAndKeepsAlpha) {
    const TDemoObject note = NewNote();
    QImage picture = BodyPicture(161, 145, qRgb(90, 90, 90), 200);
    const QRect box(20, 20, 121, 105);
    DrawNoteText(picture, note, box);
    EXPECT_EQ(picture.pixel(19, 19), qRgba(90, 90, 90, 200)) << "outside the box";
    EXPECT_EQ(picture.pixel(140, 124), qRgba(0, 62, 255, 200)) << "box background = BackColor, alpha kept";
    EXPECT_EQ(picture.pixel(141, 125), qRgba(90, 90, 90, 200));
    EXPECT_GT(CountPixels(picture, box, [](QRgb p) { return p == qRgba(255, 255, 255, 200); }), 10)
        << "fully covered text pixels in the font colour";
    EXPECT_EQ(CountPixels(picture, picture.rect(), [](QRgb p) { return qAlpha(p) != 200; }), 0);
}

TEST(DrawNoteText, ColourPlaneStaysAnOpaqueColourPlane) {
    const TDemoObject note = NewNote();
    QImage plane(161, 145, QImage::Format_RGB32);
    plane.fill(qRgb(90, 90, 90));
    DrawNoteText(plane, note, QRect(20, 20, 121, 105));
    EXPECT_EQ(plane.format(), QImage::Format_RGB32);
    EXPECT_EQ(plane.pixel(140, 124), qRgb(0, 62, 255));
    EXPECT_EQ(plane.pixel(10, 10), qRgb(90, 90, 90));
}

TEST(DrawNoteText, EmptyTextDrawsOnlyTheBackground) {
    TDemoObject note = NewNote();
    note.Text.clear();
    QImage picture = BodyPicture(50, 50, qRgb(0, 0, 0), 255);
    DrawNoteText(picture, note, QRect(10, 10, 30, 30));
    EXPECT_EQ(CountPixels(picture, QRect(10, 10, 30, 30), [](QRgb p) { return p == qRgba(0, 62, 255, 255); }), 900);
}

TEST(DrawNoteText, BoxesPartlyOutsideOrEmptyAreHandled) {
    const TDemoObject note = NewNote();
    QImage picture = BodyPicture(40, 40, qRgb(0, 0, 0), 255);
    DrawNoteText(picture, note, QRect(25, -10, 60, 30));
    EXPECT_EQ(picture.pixel(39, 0) & 0xFF000000u, 0xFF000000u);
    EXPECT_EQ(picture.pixel(24, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(picture.pixel(30, 25), qRgba(0, 0, 0, 255));

    const QImage before = picture.copy();
    DrawNoteText(picture, note, QRect(5, 5, 0, 10));
    DrawNoteText(picture, note, QRect(5, 5, -20, -20));
    DrawNoteText(picture, note, QRect(100, 100, 10, 10));
    DrawNoteText(picture, note, QRect(0, 0, 1000000, 10));
    EXPECT_EQ(picture, before);
    QImage none;
    DrawNoteText(none, note, QRect(0, 0, 10, 10));
    EXPECT_TRUE(none.isNull());
}

TEST(DrawNoteText, EnormousTextFillsTheBoxAndStops) {
    TDemoObject note = NewNote();
    note.Font.Height = -100000; // taken as the largest size
    note.Text = std::string(200000, 'W');
    QImage picture = BodyPicture(161, 145, qRgb(0, 0, 0), 255);
    DrawNoteText(picture, note, QRect(20, 20, 121, 105));
    EXPECT_EQ(picture.pixel(0, 0), qRgba(0, 0, 0, 255));

    note.Font.Height = -13;
    std::string words;
    for (int i = 0; i < 40000; ++i) {
        words += "word ";
    }
    note.Text = words;
    picture = BodyPicture(161, 145, qRgb(0, 0, 0), 255);
    DrawNoteText(picture, note, QRect(20, 20, 121, 105));
    EXPECT_GT(CountPixels(picture, QRect(20, 110, 121, 15), [](QRgb p) { return p == qRgba(255, 255, 255, 255); }), 5)
        << "rows down to the bottom of the box";
}

TEST(DrawNoteText, SprayAndNoiseDrawTheSameEveryTime) {
    TDemoObject note = NewNote();
    note.TextSpray = 3;
    note.TextNoise = 80;
    note.TextShadow = true;
    QImage first = BodyPicture(161, 145, qRgb(0, 0, 0), 255);
    QImage second = first.copy();
    DrawNoteText(first, note, QRect(20, 20, 121, 105));
    DrawNoteText(second, note, QRect(20, 20, 121, 105));
    EXPECT_EQ(first, second);
}

TEST(DrawNoteText, CentreGradientHasTheFontColourInTheMiddle) {
    // One wide row of capitals: its ends take the gradient colour, the middle the font colour.
    TDemoObject note = NewNote();
    note.Text = "HHHHHHHHHHHH";
    note.Font.Height = -30;
    note.Font.Color = RGB(255, 255, 255);
    note.TextGradientStyle = 5;
    note.TextGradientColor = RGB(255, 0, 0);
    note.BackColor = RGB(0, 0, 0);
    QImage picture = BodyPicture(300, 60, qRgb(0, 0, 0), 255);
    DrawNoteText(picture, note, QRect(0, 0, 300, 60));
    QRect ink;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFF) != 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_TRUE(ink.isValid());
    auto greenest = [&](int fromX, int toX) {
        int best = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            for (int x = fromX; x <= toX; ++x) {
                if (qRed(picture.pixel(x, y)) >= 250) {
                    best = std::max(best, qGreen(picture.pixel(x, y)));
                }
            }
        }
        return best;
    };
    const int centre = ink.center().x();
    EXPECT_GE(greenest(centre - 3, centre + 3), 240) << "white in the middle";
    EXPECT_LE(greenest(ink.left(), ink.left() + 4), 40) << "red at the left end";
    EXPECT_LE(greenest(ink.right() - 4, ink.right()), 40) << "red at the right end";
}

} // namespace
} // namespace vantora
