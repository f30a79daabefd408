// vantora-sample-generator: writes examples/sample/sample.vtp, the sample project a newcomer can
// build at once. The project file cannot carry a comment of its own, so this is where it says
// that this program made it: run `vantora-sample-generator examples/sample/sample.vtp` to make it
// again. Its scenes are made-up screenshots of an invoicing program (screen_painter.cpp) with
// balloons, notes, shapes, images, labels, texts and a pointer moving between the controls, a file
// name typed into the dialog, a click sound on every click and buttons that continue the movie
// from its stop points and jump between scenes; every animation channel and both placement modes
// are used.

#include "screen_painter.h"

#include "base/wave_header.h"
#include "model/demo.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"
#include "render/image_conversion.h"
#include "storage/project_file.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

using namespace vantora;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 520;

Picture Screenshot(const sample::ScreenLayout& layout) {
    return Picture(PictureFormat::Jpeg, encodeJpeg(ToRgbaImage(sample::PaintScreen(kWidth, kHeight, layout)), 80));
}

// A document icon with a green tick, drawn with alpha, stored as PNG.
Picture DocumentIcon() {
    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(8, 3), QPoint(30, 3), QPoint(40, 13), QPoint(40, 45), QPoint(8, 45)}));
    p.setPen(QPen(QColor(150, 150, 150), 2));
    for (int y = 18; y <= 36; y += 6)
        p.drawLine(14, y, 34, y);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 160, 70, 230));
    p.drawEllipse(QPoint(34, 36), 11, 11);
    p.setPen(QPen(Qt::white, 3));
    p.drawPolyline(QPolygon({QPoint(28, 36), QPoint(33, 41), QPoint(40, 31)}));
    p.end();
    return Picture(PictureFormat::Png, encodePng(ToRgbaImage(icon)));
}

// A small "photo" of a sunset, kept as JPEG so it goes into the movie unchanged.
Picture Photo() {
    QImage photo(120, 80, QImage::Format_ARGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor(250, 170, 90));
    sky.setColorAt(1, QColor(120, 60, 130));
    p.fillRect(photo.rect(), sky);
    p.setBrush(QColor(255, 230, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(60, 58), 18, 18);
    p.fillRect(QRect(0, 60, 120, 20), QColor(40, 40, 70));
    p.end();
    return Picture(PictureFormat::Jpeg, encodeJpeg(ToRgbaImage(photo), 85));
}

TDemoObject& Add(TDemoFrame& scene, TObjectKind kind, int left, int top, int width, int height, int start, int end) {
    TDemoObject& o = NewObject(scene, kind, left, top);
    o.Width = width;
    o.Height = height;
    o.StartTime = start;
    o.EndTime = end;
    return o;
}

// A short mouse click: 40 ms of a decaying 2 kHz tick with some noise, 16-bit mono PCM at 22050 Hz.
std::vector<std::uint8_t> ClickWave() {
    constexpr std::uint32_t kRate = 22050;
    constexpr std::uint32_t kSamples = kRate * 40 / 1000;
    std::vector<std::uint8_t> out;
    AppendPcmWaveHeader(out, 1, kRate, 16, kSamples * 2);
    std::uint32_t noise = 12345;
    for (std::uint32_t i = 0; i < kSamples; ++i) {
        noise = noise * 1103515245u + 12345u;
        const double t = double(i) / kRate;
        const double tone = std::sin(2 * 3.14159265358979 * 2000 * t) + 0.4 * (double((noise >> 16) & 0x7fff) / 16384 - 1);
        AppendU16(out, std::uint16_t(std::int32_t(std::lround(tone * std::exp(-t * 120) * 14000))));
    }
    return out;
}

TDemoObject& Cursor(TDemoFrame& scene, int left, int top, int start, int end) {
    return Add(scene, TObjectKind::Cursor, left, top, 32, 32, start, end);
}

// A red ring that grows out of its centre: the click effect.
TDemoObject& ClickRing(TDemoFrame& scene, int centreX, int centreY, int start) {
    TDemoObject& ring = Add(scene, TObjectKind::Shape, centreX - 20, centreY - 20, 40, 40, start, start + 8);
    ring.Style = 1; // ellipse
    ring.BorderWidth = 3;
    ring.BorderColor = RGB(220, 40, 40);
    ring.Option = 1; // clear fill
    ring.Animation.Width = {1, 10, 4, 0, 160, 3, 0};
    ring.Animation.Height = {1, 10, 4, 0, 160, 3, 0};
    // The click is heard with the ring.
    TDemoObject& click = Add(scene, TObjectKind::Audio, centreX - 16, centreY - 16, 32, 32, start, start + 4);
    click.AudioType = "WAV";
    click.AudioData = ClickWave();
    return ring;
}

TDemoObject& Label(TDemoFrame& scene, const char* text, int left, int top, int width, int start, int end) {
    TDemoObject& label = Add(scene, TObjectKind::Label, left, top, width, 24, start, end);
    label.Text = text;
    label.Font.Height = -16;
    label.Font.Bold = true;
    label.Font.Color = RGB(20, 50, 110);
    label.Animation.StopWithScene = true;
    return label;
}

// A button seen from `start` to `end`. Adding a button also adds a stop point after it, as the
// editor does; the scenes set their own stop points after their objects.
TDemoObject& ClickButton(TDemoFrame& scene, const char* caption, int left, int top, int width, int start, int end,
                         TCommandAction action, std::string param = {}) {
    TDemoObject& button = Add(scene, TObjectKind::Button, left, top, width, 32, start, end);
    button.Text = caption;
    button.Command.Action = static_cast<std::uint8_t>(action);
    button.Command.Param = std::move(param);
    button.Animation.StopWithScene = true;
    button.Animation.Fade = {}; // fully there by the stop point that waits for it
    return button;
}

void Welcome(TDemoFrame& scene) {
    scene.Name = "Welcome";
    scene.BackImage = Screenshot({});
    scene.Animation.Fade = {1, 0, 6, 0, 100, 2, 0}; // the first screenshot fades in
    TDemoObject& hello = Add(scene, TObjectKind::RoundBalloon, 300, 170, 270, 120, 2, 42);
    hello.Text = "Welcome! This short tour shows how to save your invoices as a file.";
    hello.Option = 0; // arrow at the bottom-left corner
    TDemoObject& note = Add(scene, TObjectKind::Note, 590, 330, 180, 150, 12, 60);
    note.Text = "Everything you see here is a made-up program.";
    note.Animation.Angle = {1, -25, 6, 0, 0, 4, 0};
    TDemoObject& ask = Add(scene, TObjectKind::Balloon, 70, 80, 230, 80, 44, 80);
    ask.Text = "First, open the File menu.";
    ask.Option = 3; // arrow up-left, toward the menu
    Cursor(scene, 420, 300, 14, 40);
    Cursor(scene, 30, 46, 40, 80);
    ClickRing(scene, 34, 53, 52);
    Label(scene, "Saving invoices - a short tour", 300, 66, 260, 0, 80);
    // The tour waits on its first screen until the visitor is ready.
    ClickButton(scene, "Start the tour", 340, 310, 140, 6, 14, TCommandAction::Play);
    scene.StopPoints = {12};
    scene.Length = 80;
}

void FileMenu(TDemoFrame& scene) {
    scene.Name = "File menu";
    sample::ScreenLayout layout;
    layout.openMenu = 0;
    layout.openMenuItems = {"New", "Open...", "Save", "Save As...", "-", "Print...", "-", "Exit"};
    layout.highlightedItem = 3;
    layout.variant = 1;
    scene.BackImage = Screenshot(layout);
    // The highlight blinks inside its own sprite, so it would keep blinking during a stop.
    TDemoObject& frame = Add(scene, TObjectKind::Shape, 18, 141, 190, 26, 20, 70);
    frame.BorderWidth = 2;
    frame.BorderColor = RGB(230, 60, 40);
    frame.Option = 1;
    frame.Animation.StopWithScene = false;
    frame.Animation.Fade = {2, 20, 3, 0, 20, 3, 0};
    frame.Animation.Red = {2, 100, 3, 0, 160, 3, 0};
    TDemoObject& say = Add(scene, TObjectKind::RoundBalloon, 240, 120, 260, 100, 24, 70);
    say.Text = "Choose \"Save As...\" to pick a name and a folder.";
    say.Option = 1; // arrow on the left
    say.Animation.LocationX = {1, 300, 5, 0, 0, 3, 0};
    say.Animation.Blue = {1, 160, 5, 0, 100, 3, 0};
    Cursor(scene, 30, 46, 0, 24);
    Cursor(scene, 70, 145, 24, 70);
    ClickRing(scene, 74, 153, 30);
    scene.Length = 70;
}

void SaveDialog(TDemoFrame& scene) {
    scene.Name = "Save dialog";
    sample::ScreenLayout layout;
    layout.showDialog = true;
    layout.fileName = "";
    layout.variant = 2;
    scene.BackImage = Screenshot(layout);
    // The file name is typed into the dialog's "File name:" field.
    TDemoObject& name = Add(scene, TObjectKind::InputText, 272, 328, 334, 20, 28, 90);
    name.Text = "invoices-march.csv";
    name.Font.Name = "Arial";
    name.Font.Height = -13;
    name.Font.Color = RGB(0, 0, 0);
    name.*slot::InputFrom = 1;
    name.*slot::InputDelay = 2;
    name.*slot::CharDelay = 1;
    TDemoObject& note = Add(scene, TObjectKind::Note, 600, 60, 170, 140, 4, 50);
    note.Text = "Give the file a name that says what is inside.";
    note.Animation.ObjectCenter = 2; // swings in about its top-left corner
    note.Animation.Angle = {1, 40, 5, 0, -20, 4, 0};
    TDemoObject& icon = Add(scene, TObjectKind::Image, 620, 300, 48, 48, 10, 90);
    icon.Picture = DocumentIcon();
    icon.Animation.Green = {2, 160, 4, 0, 100, 4, 0};
    icon.Animation.Height = {1, 0, 4, 0, 100, 2, 0};
    TDemoObject& arrow = Add(scene, TObjectKind::Shape, 330, 362, 90, 34, 50, 90);
    arrow.Style = 4; // arrow pointing right, toward the Save button
    arrow.BorderWidth = 2;
    arrow.BorderColor = RGB(200, 120, 0);
    arrow.BackColor = RGB(255, 200, 40);
    arrow.Option = 0;
    arrow.Animation.LocationX = {2, -12, 3, 0, 0, 3, 0};
    TDemoObject& tell = Add(scene, TObjectKind::Balloon, 280, 400, 250, 70, 52, 90);
    tell.Text = "Then click Save.";
    tell.Option = 5; // arrow up-right, toward the button
    Cursor(scene, 70, 145, 0, 24);
    Cursor(scene, 330, 330, 24, 50);
    Cursor(scene, 468, 372, 50, 90);
    ClickRing(scene, 475, 378, 60);
    scene.Length = 90;
}

void Saved(TDemoFrame& scene) {
    scene.Name = "Saved";
    sample::ScreenLayout layout;
    layout.statusText = "Saved invoices-march.csv";
    layout.variant = 3;
    scene.BackImage = Screenshot(layout);
    TDemoObject& done = Add(scene, TObjectKind::Balloon, 230, 150, 300, 100, 4, 60);
    done.Text = "Done! Your invoices are saved. The status bar below says so.";
    done.Option = 8; // arrow down-left, toward the status bar
    done.Animation.LocationY = {1, -120, 5, 0, 0, 2, 0};
    TDemoObject& photo = Add(scene, TObjectKind::Image, 600, 120, 120, 80, 8, 60);
    photo.Picture = Photo();
    photo.Animation.LocationY = {1, 300, 6, 0, 0, 2, 0};
    // Keeps turning in its own sprite while the movie stands at the stop point.
    TDemoObject& star = Add(scene, TObjectKind::Shape, 650, 300, 60, 60, 14, 60);
    star.Style = 2; // diamond
    star.BorderWidth = 2;
    star.BorderColor = RGB(40, 90, 170);
    star.BackColor = RGB(120, 190, 250);
    star.Option = 0;
    star.Animation.StopWithScene = false;
    star.Animation.Fade = {};
    star.Animation.Angle = {2, 0, 5, 0, 90, 5, 0};
    Cursor(scene, 468, 372, 0, 20);
    Cursor(scene, 120, 486, 20, 60);
    TDemoObject& tip = Add(scene, TObjectKind::Text, 200, 272, 420, 44, 30, 60);
    tip.Text = "Tip: the same steps save customers and the yearly summary. Choose below what to see again.";
    tip.Font.Height = -14;
    tip.Font.Bold = true;
    tip.Font.Color = RGB(20, 50, 110);
    tip.Alignment = 1; // centred
    tip.Animation.StopWithScene = true;
    ClickButton(scene, "Watch again", 220, 380, 130, 44, 60, TCommandAction::ReplayAll);
    ClickButton(scene, "Back to the dialog", 370, 380, 170, 44, 60, TCommandAction::GotoScene, "Save dialog");
    scene.StopPoints = {50}; // halts with everything in view; the diamond keeps turning
    scene.Length = 60;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantora-sample-generator OUTPUT.vtp\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    TVantora demo;
    demo.Name = "Saving invoices";
    demo.Width = kWidth;
    demo.Height = kHeight;
    demo.FrameRateFactor = 2;
    Welcome(NewScene(demo));
    FileMenu(NewScene(demo));
    SaveDialog(NewScene(demo));
    Saved(NewScene(demo));
    const StorageResult result = SaveProject(argv[1], demo);
    if (!result) {
        std::fprintf(stderr, "vantora-sample-generator: %s\n", result.message.c_str());
        return 1;
    }
    return 0;
}
