#include "movie/demo_check.h"

#include "movie/audio_sound.h"
#include "movie/object_timing.h"
#include "movie/work_files.h"
#include "platform/font_availability.h"
#include "base/program_folder.h"
#include "swf/movie.h"

#include <algorithm>
#include <exception>
#include <map>

namespace vantora {
namespace {

// Where the arrow pointer's picture has its tip: the spot a pointer clicks.
constexpr std::int32_t kPointerTipX = 7;
constexpr std::int32_t kPointerTipY = 4;

bool hasText(TObjectKind kind) {
    switch (kind) {
    case TObjectKind::RoundBalloon:
    case TObjectKind::Balloon:
    case TObjectKind::Note:
    case TObjectKind::Label:
    case TObjectKind::Text:
    case TObjectKind::InputText:
    case TObjectKind::Button: return true;
    default: return false;
    }
}

bool sceneNamed(const TVantora& demo, const std::string& name) {
    for (const auto& scene : demo.Scenes)
        if (scene && scene->Name == name)
            return true;
    return false;
}

// Whether a click on the button lets a stopped movie go on: it plays on or jumps to a scene.
bool continuesMovie(const TVantora& demo, std::size_t sceneIndex, const TCommand& command) {
    switch (static_cast<TCommandAction>(command.Action)) {
    case TCommandAction::Play:
    case TCommandAction::ReplayScene:
    case TCommandAction::ReplayAll:
    case TCommandAction::NextScene: return true;
    case TCommandAction::PreScene: return sceneIndex > 0;
    case TCommandAction::GotoScene: return sceneNamed(demo, command.Param);
    default: return false;
    }
}

// A button can be clicked in the frames from its appearance up to the one it leaves in.
bool onStageAt(const TDemoObject& object, std::int64_t frame, std::int32_t factor) {
    const ObjectTiming timing = TimingOf(object, factor);
    return timing.OnStage && frame >= timing.Start && frame < timing.Leave;
}

std::string stageText(const TVantora& demo) {
    return std::to_string(demo.Width) + " x " + std::to_string(demo.Height) + " stage";
}

std::string secondsText(std::int32_t units) {
    const std::int64_t value = units;
    const std::int64_t tenths = value < 0 ? -value : value;
    return std::string(value < 0 ? "-" : "") + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

bool insideStage(const TVantora& demo, std::int64_t x, std::int64_t y) {
    return x >= 0 && y >= 0 && x < demo.Width && y < demo.Height;
}

bool overlapsStage(const TVantora& demo, const TDemoObject& object) {
    const std::int64_t left = object.Left;
    const std::int64_t top = object.Top;
    return left < demo.Width && top < demo.Height && left + std::max(object.Width, 0) > 0 &&
           top + std::max(object.Height, 0) > 0;
}

class Checker {
public:
    Checker(const TVantora& demo, const DemoCheckProbes& probes) : demo_(demo), probes_(probes) {}

    std::vector<DemoFinding> run() {
        for (std::size_t s = 0; s < demo_.Scenes.size(); ++s)
            if (const TDemoFrame* scene = demo_.Scenes[s].get()) {
                checkStops(s, *scene);
                for (std::size_t o = 0; o < scene->Objects.size(); ++o)
                    if (const TDemoObject* object = scene->Objects[o].get())
                        checkObject(s, o, *object);
            }
        return std::move(findings_);
    }

private:
    void add(DemoFindingKind kind, std::size_t scene, std::size_t object, std::string subject, std::string text) {
        findings_.push_back({kind, scene, object, std::move(subject), std::move(text)});
    }

    void checkStops(std::size_t s, const TDemoFrame& scene) {
        const std::int32_t factor = EffectiveFrameRateFactor(demo_.FrameRateFactor);
        for (std::int32_t stop : scene.StopPoints) {
            const std::int64_t frame = std::int64_t(stop) * factor;
            bool continued = false;
            for (const auto& object : scene.Objects)
                continued = continued || (object && object->Kind == TObjectKind::Button &&
                                          continuesMovie(demo_, s, object->Command) &&
                                          onStageAt(*object, frame, factor));
            if (!continued)
                add(DemoFindingKind::StopWithoutContinue, s, kNoObject, "stop point at " + secondsText(stop),
                    "no button on the stage continues the movie");
        }
    }

    void checkObject(std::size_t s, std::size_t o, const TDemoObject& object) {
        const auto report = [&](DemoFindingKind kind, std::string text) {
            add(kind, s, o, object.Name, std::move(text));
        };
        if (object.Kind == TObjectKind::Cursor) {
            const std::int64_t x = std::int64_t(object.Left) + kPointerTipX;
            const std::int64_t y = std::int64_t(object.Top) + kPointerTipY;
            if (!insideStage(demo_, x, y))
                report(DemoFindingKind::ClickOffStage, "clicks at (" + std::to_string(x) + ", " + std::to_string(y) +
                                                        "), outside the " + stageText(demo_));
        } else if (object.Kind != TObjectKind::Audio && !overlapsStage(demo_, object)) {
            report(DemoFindingKind::OffStage, "lies wholly off the " + stageText(demo_));
        }
        if (object.Kind == TObjectKind::Image && object.Picture.empty())
            report(DemoFindingKind::EmptyPicture, "has an empty picture");
        if (object.Kind == TObjectKind::Cursor && object.Style == 0 && object.Picture.empty())
            report(DemoFindingKind::EmptyPicture, "is a custom pointer with an empty picture");
        if (hasText(object.Kind) && !fontAvailable(object.Font.Name))
            report(DemoFindingKind::MissingFont, "uses the font \"" + object.Font.Name + "\", which this machine lacks");
        if (object.Kind == TObjectKind::Audio && !object.AudioData.empty() && probes_.soundDecodes &&
            !probes_.soundDecodes(object))
            report(DemoFindingKind::UndecodableSound, "has a sound that cannot be decoded");
    }

    bool fontAvailable(const std::string& family) {
        if (!probes_.fontAvailable)
            return true;
        const auto known = fonts_.find(family);
        if (known != fonts_.end())
            return known->second;
        return fonts_[family] = probes_.fontAvailable(family);
    }

    const TVantora& demo_;
    const DemoCheckProbes& probes_;
    std::map<std::string, bool> fonts_;
    std::vector<DemoFinding> findings_;
};

// The sound goes through the movie builder's own reader, into a scratch movie.
bool soundDecodes(const TDemoObject& audio) {
    try {
        WorkFiles files(ProgramFolder() / "Temp" / "Check");
        swf::TFlashMovie scratch(0, 0, 20, 20, 10, true);
        return AddAudioSound(scratch, files, audio).Problem.empty();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

DemoCheckProbes SystemCheckProbes() { return {FontFamilyAvailable, soundDecodes}; }

std::vector<DemoFinding> CheckDemo(const TVantora& demo, const DemoCheckProbes& probes) {
    return Checker(demo, probes).run();
}

std::string FindingLine(const TVantora& demo, const DemoFinding& finding) {
    std::string line = "Scene " + std::to_string(finding.scene + 1);
    if (finding.scene < demo.Scenes.size() && demo.Scenes[finding.scene])
        line += " \"" + demo.Scenes[finding.scene]->Name + "\"";
    return line + ", " + finding.subject + ": " + finding.text + ".";
}

} // namespace vantora
