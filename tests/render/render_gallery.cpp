// Writes pictures of every painter with many property combinations into a folder, for looking at
// them: render_gallery OUTPUT_FOLDER. Not a test; nothing is checked here.

#include "render/builtin_cursors.h"
#include "render/text/font_conversion.h"
#include "render/image_conversion.h"
#include "render/note_decorations.h"
#include "render/object_renderer.h"
#include "render/scene_composer.h"
#include "render/speaker_icon.h"

#include "model/object_defaults.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace vantora;

namespace {

QString folder;

TDemoObject make(TObjectKind kind, int w, int h) {
    TDemoObject o;
    o.Kind = kind;
    o.Width = w;
    o.Height = h;
    return o;
}

// Lays pictures out on a checkerboard sheet so transparency shows.
void sheet(const QString& name, const std::vector<QImage>& pictures, int columns, int cell_w, int cell_h) {
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage page(columns * cell_w, rows * cell_h, QImage::Format_ARGB32);
    QPainter p(&page);
    for (int y = 0; y < page.height(); y += 8)
        for (int x = 0; x < page.width(); x += 8)
            p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    for (std::size_t i = 0; i < pictures.size(); ++i)
        p.drawImage(int(i % columns) * cell_w + 4, int(i / columns) * cell_h + 4, pictures[i]);
    p.end();
    page.save(folder + "/" + name + ".png");
}

QImage paint(const TDemoObject& o) {
    QImage picture;
    PaintObject(o, picture);
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_gallery OUTPUT_FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);

    std::vector<QImage> balloons;
    const TColor backs[] = {RGB(255, 255, 225), RGB(200, 230, 255), RGB(40, 60, 120), clWhite};
    for (int arrow = 0; arrow <= 8; ++arrow) {
        TDemoObject b = make(TObjectKind::Balloon, 190, 110);
        b.Option = arrow;
        b.BackColor = backs[arrow % 4];
        b.BorderColor = arrow % 4 == 2 ? RGB(10, 10, 30) : RGB(90, 90, 90);
        b.Font.Color = arrow % 4 == 2 ? clWhite : clBlack;
        b.Text = "Balloon arrow " + std::to_string(arrow) + "\r\nClick the OK button to continue.";
        b.Margin = 10;
        balloons.push_back(paint(b));
    }
    sheet("balloons", balloons, 3, 200, 120);

    std::vector<QImage> rounds;
    for (int arrow = 0; arrow <= 11; ++arrow) {
        TDemoObject r = make(TObjectKind::RoundBalloon, 180, 120);
        r.Option = arrow;
        r.Round = 30;
        r.BackColor = backs[arrow % 4];
        r.Font.Color = arrow % 4 == 2 ? clWhite : clBlack;
        r.Flat = arrow % 3 == 1;
        r.Shadow = arrow % 5 != 4;
        r.Text = "Round balloon " + std::to_string(arrow);
        r.Alignment = 1;
        r.Margin = 12;
        rounds.push_back(paint(r));
    }
    sheet("round_balloons", rounds, 4, 190, 130);

    std::vector<QImage> notes;
    for (int graphic = 0; graphic <= 5; ++graphic) {
        TDemoObject n = make(TObjectKind::Note, 200, 140);
        n.Option = graphic;
        n.Round = 20;
        n.BackColor = graphic % 2 ? RGB(255, 250, 180) : RGB(210, 240, 210);
        n.Text = "Note with graphic " + std::to_string(graphic) + ". Several words that wrap onto lines.";
        n.Margin = 14;
        notes.push_back(paint(n));
    }
    sheet("notes", notes, 3, 210, 150);

    std::vector<QImage> shapes;
    for (int kind = 0; kind <= 10; ++kind) {
        for (int variant = 0; variant < 3; ++variant) {
            TDemoObject s = make(TObjectKind::Shape, 90, 60);
            s.Style = kind;
            s.BorderWidth = variant == 0 ? 1 : variant == 1 ? 4 : 0;
            s.Option = variant == 1 ? 1 : 0;
            s.BackColor = RGB(120, 180, 250);
            s.BorderColor = RGB(200, 30, 30);
            s.Spacing = 8;
            shapes.push_back(paint(s));
        }
    }
    sheet("shapes", shapes, 6, 100, 70);

    std::vector<QImage> buttons;
    for (int variant = 0; variant < 4; ++variant) {
        TDemoObject b = make(TObjectKind::Button, 120, 36);
        b.Text = variant == 3 ? "Clear face" : "Next >";
        b.Round = variant * 4;
        b.Option = variant == 3 ? 1 : 0;
        b.BorderWidth = variant == 2 ? 0 : 2;
        b.BackColor = RGB(230, 230, 240);
        b.BorderColor = RGB(60, 60, 120);
        b.Font.Bold = variant == 1;
        b.Alignment = 1;
        buttons.push_back(paint(b));
    }
    sheet("buttons", buttons, 2, 130, 46);

    std::vector<QImage> cursors;
    for (int type = 1; type <= 19; ++type)
        cursors.push_back(BuiltinCursor(static_cast<TCursorType>(type)));
    cursors.push_back(SpeakerIcon());
    cursors.push_back(NoteDecoration(TNoteGraphic::Bind));
    cursors.push_back(NoteDecoration(TNoteGraphic::Pad));
    sheet("cursors_and_icons", cursors, 8, 80, 48);

    // Every kind as a new object starts out, as the editor would place it.
    TDemoFrame defaults;
    defaults.BackColor = RGB(212, 208, 200);
    int column = 0;
    for (int code = 0; code < kObjectKindCount; ++code) {
        auto o = std::make_unique<TDemoObject>(MakeDefaultObject(static_cast<TObjectKind>(code), 10 + (column % 4) * 170,
                                                                 10 + (column / 4) * 150));
        RenderObject(*o);
        defaults.Objects.push_back(std::move(o));
        ++column;
    }
    ComposeScene(defaults, 700, 460).save(folder + "/new_objects.png");

    TDemoFrame scene;
    scene.BackColor = RGB(58, 110, 165);
    int x = 10;
    for (TObjectKind kind : {TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note, TObjectKind::Shape,
                             TObjectKind::Button, TObjectKind::Cursor, TObjectKind::Audio, TObjectKind::Text}) {
        auto o = std::make_unique<TDemoObject>(make(kind, 150, 100));
        o->Left = x % 600;
        o->Top = 20 + (x / 600) * 130;
        o->Text = "Scene object";
        o->Round = 20;
        o->Option = kind == TObjectKind::Balloon ? 8 : 0;
        o->Style = kind == TObjectKind::Cursor ? 6 : 0;
        o->Alpha = kind == TObjectKind::Shape ? 50 : 100;
        RenderObject(*o);
        scene.Objects.push_back(std::move(o));
        x += 160;
    }
    ComposeScene(scene, 660, 300).save(folder + "/scene.png");
    return 0;
}
