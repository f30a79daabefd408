#pragma once
// FlashPlayer: plays one movie. It offers what a player control offers a host window - load,
// total and current frame, play, pause, stop, go to a frame, and the mouse - and paints the
// current frame into an image. It advances one frame per Tick; the host's timer calls it at the
// movie's frame rate.

#include "player/action_runner.h"
#include "player/clip_instance.h"
#include "player/movie_definition.h"
#include "player/sound_output.h"

#include <QImage>
#include <QPointF>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace player {

class StageRenderer;

class FlashPlayer : private TimelineHost, private ActionHost {
public:
    // `sound` (not owned, may be null) receives every sound the movie starts.
    explicit FlashPlayer(SoundOutput* sound = nullptr);
    ~FlashPlayer() override;
    FlashPlayer(const FlashPlayer&) = delete;
    FlashPlayer& operator=(const FlashPlayer&) = delete;

    // Loads a movie and shows its first frame, playing. On failure returns false, keeps nothing
    // loaded and puts the reason into `error`.
    bool Load(std::span<const uint8_t> file, std::string* error = nullptr);
    bool IsLoaded() const { return root_ != nullptr; }
    const MovieDefinition* Definition() const { return movie_.get(); }

    int TotalFrames() const;
    int CurrentFrame() const; // 0-based
    bool Playing() const;
    void Play();
    // Pauses at the current frame.
    void StopPlay();
    // Stops playing and every sound.
    void Stop();
    // Shows `frame` (0-based, clamped) and pauses there.
    void GotoFrame(int frame);
    // One frame of the movie's time: the playing timelines advance and the actions run.
    void Tick();

    // Paints the current frame scaled to fill `target`.
    void Render(QImage& target);
    // The current frame at the stage's own size.
    QImage RenderFrame();

    // Mouse events in stage pixels.
    void MouseMove(QPointF point);
    void MousePress(QPointF point);
    void MouseRelease(QPointF point);
    // A full click: move there, press, release.
    void Click(QPointF point);
    // True while the mouse is over a button.
    bool OverButton() const { return hover_.has_value(); }

    // A button the mouse can reach now: a point of the stage (pixels) that hits it.
    struct StageButton {
        QPointF point;
        const ButtonDef* button = nullptr;
    };
    // The reachable buttons in the order the mouse finds them, topmost first; a button covered
    // at the middle of its hit area by another one is left out.
    std::vector<StageButton> StageButtons();

    // Called for GetURL (url, target); by default nothing happens.
    void SetUrlHandler(std::function<void(const std::string&, const std::string&)> handler) { urlHandler_ = std::move(handler); }

private:
    struct ButtonHit {
        uint64_t object = 0;
        uint64_t parentClip = 0;
    };
    // TimelineHost
    const MovieDefinition& Movie() const override { return *movie_; }
    uint64_t NewSerial() override { return ++serial_; }
    bool MayCreateClip(int nesting) const override;
    void OnClipCreated() override { ++liveClips_; }
    void OnClipDestroyed() override { --liveClips_; }
    void QueueActions(ClipInstance& clip, const std::vector<uint8_t>& actions) override;
    void StartSound(const SoundStart& sound) override;
    // ActionHost
    void Play(ClipInstance& clip) override { clip.SetPlaying(true); }
    void Stop(ClipInstance& clip) override { clip.SetPlaying(false); }
    void GotoFrame(ClipInstance& clip, int frame) override;
    void GetUrl(const std::string& url, const std::string& target) override;
    void StopSounds() override;

    void RunQueuedActions();
    void AdvanceChildren(ClipInstance& clip);
    ClipInstance* FindClip(uint64_t serial);
    DisplayObject* FindObject(uint64_t serial, ClipInstance** parent);
    std::optional<ButtonHit> ButtonAt(QPointF point);
    void ButtonEvent(const ButtonHit& hit, uint16_t condition, int soundIndex, uint8_t newState);
    void UpdateHover();
    void UpdateStream();
    void PrepareStream();
    QTransform StageTransform(QSize target) const;

    SoundOutput* sound_;
    std::shared_ptr<const MovieDefinition> movie_;
    std::unique_ptr<ClipInstance> root_;
    std::unique_ptr<StageRenderer> renderer_;
    uint64_t serial_ = 0;
    int liveClips_ = 0;
    struct QueuedAction {
        uint64_t clip;
        const std::vector<uint8_t>* actions;
    };
    std::deque<QueuedAction> queue_;
    // Display commands the scripts of one run of the queue may still replay by going to frames.
    uint64_t replayBudget_ = 0;
    std::optional<ButtonHit> hover_;
    std::optional<ButtonHit> pressed_;
    QPointF mouse_;
    std::function<void(const std::string&, const std::string&)> urlHandler_;
    // The main timeline's stream sound, decoded, with the first sample of every frame.
    std::shared_ptr<const PcmSound> stream_;
    std::vector<size_t> streamFrameStart_;
    int streamExpectedFrame_ = -1;
};

} // namespace player
