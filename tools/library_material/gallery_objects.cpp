#include "library_material/gallery_objects.h"

#include "model/object_defaults.h"
#include "model/object_kind.h"
#include "storage/gallery_file.h"

#include <stdexcept>
#include <string>

namespace vantora::material {
namespace {

constexpr TColor kTipBlue = RGB(0, 62, 255);
constexpr TColor kHighlightRed = RGB(230, 30, 30);

TDemoObject named(TObjectKind kind, std::int32_t width, std::int32_t height) {
    TDemoObject object = MakeDefaultObject(kind, 0, 0);
    object.Name = std::string(ObjectKindName(kind)) + "1";
    object.Width = width;
    object.Height = height;
    return object;
}

TDemoObject welcomeBalloon() {
    TDemoObject o = named(TObjectKind::Balloon, 210, 90);
    o.Text = "Welcome! This short tour shows you the way, one step at a time.";
    o.Option = 8; // the arrow at the bottom left
    return o;
}

TDemoObject tipNote() {
    TDemoObject o = named(TObjectKind::Note, 180, 150);
    o.Text = "Tip:\r\nYou can drag any item of the libraries onto the scene.";
    o.BackColor = kTipBlue;
    o.Option = 2; // "Bind": a ring binding at the top
    return o;
}

TDemoObject nextButton() {
    TDemoObject o = named(TObjectKind::Button, 90, 33);
    o.Text = "Next";
    o.Font.SetSize(10);
    o.Font.Color = clWhite;
    o.BackColor = RGB(30, 110, 220);
    o.BorderColor = RGB(10, 50, 120);
    o.Command.Action = static_cast<std::uint8_t>(TCommandAction::NextScene);
    return o;
}

TDemoObject highlightFrame() {
    TDemoObject o = named(TObjectKind::Shape, 160, 60);
    o.Style = 0;   // a rectangle
    o.Option = 1;  // "Clear": the frame alone, the screen shows through
    o.Spacing = 10; // rounded corners
    o.BorderWidth = 4;
    o.BorderColor = kHighlightRed;
    return o;
}

TDemoObject titleLabel() {
    TDemoObject o = named(TObjectKind::Label, 220, 40);
    o.Text = "Getting Started";
    o.Font.Name = "Arial";
    o.Font.SetSize(20);
    o.Font.Bold = true;
    o.Font.Color = RGB(20, 60, 140);
    return o;
}

// The box is little wider than the typed address, so that the text still reads in the gallery's
// thumbnail, which shrinks the whole box to 64 pixels.
TDemoObject typingText() {
    TDemoObject o = named(TObjectKind::InputText, 150, 24);
    o.Text = "user@example.com";
    o.Font.SetSize(12);
    return o;
}

TDemoObject clickHereBalloon() {
    TDemoObject o = named(TObjectKind::RoundBalloon, 130, 90);
    o.Text = "Click here";
    o.Font.SetSize(11);
    o.Option = 10; // the arrow at the bottom right
    return o;
}

} // namespace

std::vector<TDemoObject> GalleryObjects() {
    return {welcomeBalloon(), tipNote(), nextButton(), highlightFrame(), titleLabel(), typingText(), clickHereBalloon()};
}

MaterialFiles GalleryFiles() {
    MaterialFiles files;
    for (const TDemoObject& object : GalleryObjects()) {
        std::vector<std::uint8_t> bytes;
        if (StorageResult written = GalleryFileBytes(object, bytes); !written)
            throw std::runtime_error("cannot write the gallery object " + object.Name + ": " + written.message);
        files.push_back({std::filesystem::path("Gallery") / (object.Name + std::string(kGalleryExtension)), std::move(bytes)});
    }
    return files;
}

} // namespace vantora::material
