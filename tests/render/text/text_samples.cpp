// Renders sample notes and labels with many effect combinations into PNG files, and times a
// 300 x 200 note with every effect switched on.
//   vantora_render_text_samples OUTPUT_FOLDER [RUNS]

#include "model/demo_object.h"
#include "render/text/text_painters.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <functional>
#include <string>

using namespace vantora;

namespace {

TDemoObject BaseNote() {
    TDemoObject note;
    note.Kind = TObjectKind::Note;
    note.Text = "New Note with a rather long line that wraps, and a second sentence.\nSecond line!";
    note.Font.Name = "Arial";
    note.Font.Height = -13;
    note.Font.Bold = true;
    note.Font.Color = RGB(255, 255, 255);
    note.BackColor = RGB(0, 62, 255);
    note.Spacing = 0;
    note.Width = 300;
    note.Height = 200;
    return note;
}

// Stands in for the note body: an opaque rectangle of BackColor with the text box inside.
QImage NotePicture(const TDemoObject& note) {
    QImage picture(note.Width, note.Height, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    QPainter painter(&picture);
    painter.fillRect(5, 5, note.Width - 10, note.Height - 10,
                     QColor(RedOf(note.BackColor), GreenOf(note.BackColor), BlueOf(note.BackColor)));
    painter.end();
    DrawNoteText(picture, note, QRect(20, 20, note.Width - 40, note.Height - 40));
    return picture;
}

void Save(const QImage& image, const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name + ".png";
    if (!image.save(QString::fromStdString(path))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    }
}

TDemoObject AllEffects() {
    TDemoObject note = BaseNote();
    note.TextAngle = 10;
    note.TextSpray = 2;
    note.TextBlur = 30;
    note.TextNoise = 40;
    note.TextOutline = false;
    note.TextGradientStyle = 5;
    note.TextGradientColor = RGB(255, 220, 0);
    note.TextShadow = true;
    note.TextShadowColor = RGB(0, 0, 0);
    note.Font.Height = -20;
    return note;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : ".";

    std::vector<std::pair<std::string, std::function<void(TDemoObject&)>>> variants = {
        {"plain", [](TDemoObject&) {}},
        {"shadow", [](TDemoObject& n) { n.TextShadow = true; }},
        {"shadow_neg", [](TDemoObject& n) { n.TextShadow = true; n.TextShadowXOff = -3; n.TextShadowYOff = -3; n.TextShadowColor = RGB(255, 0, 0); }},
        {"outline", [](TDemoObject& n) { n.TextOutline = true; n.Font.Height = -24; }},
        {"spray", [](TDemoObject& n) { n.TextSpray = 3; }},
        {"blur", [](TDemoObject& n) { n.TextBlur = 100; }},
        {"noise", [](TDemoObject& n) { n.TextNoise = 100; }},
        {"mirror_h", [](TDemoObject& n) { n.TextHorzMirror = true; }},
        {"mirror_v", [](TDemoObject& n) { n.TextVertMirror = true; }},
        {"angle30", [](TDemoObject& n) { n.TextAngle = 30; n.Text = "Rotated text"; n.Font.Height = -22; }},
        {"angle90", [](TDemoObject& n) { n.TextAngle = 90; n.Text = "Up"; }},
        {"grad_lr", [](TDemoObject& n) { n.TextGradientStyle = 1; n.TextGradientColor = RGB(255, 0, 0); n.Font.Height = -24; }},
        {"grad_ctb", [](TDemoObject& n) { n.TextGradientStyle = 6; n.TextGradientColor = RGB(0, 0, 0); n.Font.Height = -24; }},
        {"center_pitch", [](TDemoObject& n) { n.Alignment = 1; n.Spacing = 50; }},
        {"right_italic", [](TDemoObject& n) { n.Alignment = 2; n.Font.Italic = true; n.Font.Bold = false; }},
        {"small_regular", [](TDemoObject& n) { n.Font.Bold = false; n.Font.Height = -11; n.Font.Color = RGB(0, 0, 0); n.BackColor = RGB(255, 255, 200); }},
        {"outline_gradient", [](TDemoObject& n) { n.TextOutline = true; n.TextGradientStyle = 3; n.TextGradientColor = RGB(255, 255, 0); n.Font.Height = -28; }},
        {"rotated_shadow", [](TDemoObject& n) { n.TextAngle = -20; n.TextShadow = true; n.TextShadowXOff = 4; n.TextShadowYOff = 4; n.Font.Height = -18; }},
        {"mirror_shadow_blur", [](TDemoObject& n) { n.TextHorzMirror = true; n.TextShadow = true; n.TextShadowBlur = 100; n.TextBlur = 20; }},
        {"angle45_wrap", [](TDemoObject& n) { n.TextAngle = 45; n.Alignment = 1; }},
        {"quotes_and_apostrophes", [](TDemoObject& n) { n.Text = "Don't press \"Cancel\" until the copy has finished, or the file you're saving won't be complete."; }},
        {"all", [](TDemoObject& n) { n = AllEffects(); }},
    };
    for (auto& [name, change] : variants) {
        TDemoObject note = BaseNote();
        change(note);
        Save(NotePicture(note), folder, "note_" + name);
    }

    TDemoObject label;
    label.Kind = TObjectKind::Label;
    label.Text = "New Label, a caption longer than its box";
    label.Width = 150;
    label.Height = 25;
    Save([&] { QImage p; PaintLabel(label, p); return p; }(), folder, "label_plain");
    label.Font.Height = -20;
    label.Font.Italic = true;
    label.Font.Color = RGB(200, 0, 0);
    Save([&] { QImage p; PaintLabel(label, p); return p; }(), folder, "label_big_red");

    const TDemoObject busy = AllEffects();
    QImage picture(300, 200, QImage::Format_ARGB32);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    // Processor time of the whole process (the toolkit may fill large paths on helper threads):
    // the machine may be busy with other work, which wall time would include.
    auto cpuMs = [] {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    };
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuMs();
    for (int i = 0; i < runs; ++i) {
        DrawNoteText(picture, busy, QRect(0, 0, 300, 200));
    }
    const double cpu = (cpuMs() - cpuStart) / runs;
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / runs;
    std::printf("note with every effect, 300 x 200: %.2f ms processor time, %.2f ms wall time\n", cpu, wall);
    return 0;
}
