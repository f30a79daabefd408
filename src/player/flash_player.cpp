#include "player/flash_player.h"

#include "player/movie_error.h"
#include "player/sound_decoder.h"
#include "player/stage_renderer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace player {

namespace {

// Limits that keep a hostile movie's sprites bounded: how deep sprites may nest, how many may
// run at once, and how many action lists one tick may run.
constexpr int kMaxClipNesting = 32;
constexpr int kMaxLiveClips = 10000;
constexpr int kMaxQueuedPerTick = 10000;
// Far more than any real movie's jumps replay in one tick; a script jumping to and fro past it
// has its later jumps ignored.
constexpr uint64_t kMaxReplayedCommandsPerTick = uint64_t(1) << 20;

} // namespace

FlashPlayer::FlashPlayer(SoundOutput* sound) : sound_(sound) {}

FlashPlayer::~FlashPlayer() {
    root_.reset();
    if (sound_)
        sound_->StopAll();
}

bool FlashPlayer::Load(std::span<const uint8_t> file, std::string* error) {
    if (sound_)
        sound_->StopAll();
    root_.reset();
    renderer_.reset();
    queue_.clear();
    hover_.reset();
    pressed_.reset();
    stream_.reset();
    try {
        movie_ = MovieDefinition::Load(file);
    } catch (const MovieError& e) {
        movie_.reset();
        if (error)
            *error = e.what();
        return false;
    }
    renderer_ = std::make_unique<StageRenderer>(*movie_);
    PrepareStream();
    TimelineHost& host = *this;
    root_ = std::make_unique<ClipInstance>(movie_->Root(), host, NewSerial(), 0);
    root_->GotoFrame(0);
    RunQueuedActions();
    UpdateStream();
    return true;
}

void FlashPlayer::PrepareStream() {
    stream_ = DecodeStream(movie_->Root(), streamFrameStart_);
    streamExpectedFrame_ = -1;
}

int FlashPlayer::TotalFrames() const { return root_ ? root_->TotalFrames() : 0; }
int FlashPlayer::CurrentFrame() const { return root_ ? root_->CurrentFrame() : 0; }
bool FlashPlayer::Playing() const { return root_ && root_->Playing(); }

void FlashPlayer::Play() {
    if (root_)
        root_->SetPlaying(true);
}

void FlashPlayer::StopPlay() {
    if (!root_)
        return;
    root_->SetPlaying(false);
    UpdateStream();
}

void FlashPlayer::Stop() {
    if (!root_)
        return;
    root_->SetPlaying(false);
    if (sound_)
        sound_->StopAll();
    streamExpectedFrame_ = -1;
}

void FlashPlayer::GotoFrame(int frame) {
    if (!root_)
        return;
    root_->GotoFrame(frame);
    root_->SetPlaying(false);
    RunQueuedActions();
    root_->SetPlaying(false);
    UpdateStream();
    UpdateHover();
}

void FlashPlayer::Tick() {
    if (!root_)
        return;
    // Clips placed during this tick show their first frame and start moving on the next one.
    std::function<void(ClipInstance&)> markOld = [&](ClipInstance& clip) {
        clip.SetCreatedThisTick(false);
        for (auto& [depth, object] : clip.DisplayList())
            if (object.clip)
                markOld(*object.clip);
    };
    markOld(*root_);
    if (root_->Playing())
        root_->Advance();
    AdvanceChildren(*root_);
    RunQueuedActions();
    UpdateStream();
    UpdateHover();
}

void FlashPlayer::AdvanceChildren(ClipInstance& clip) {
    for (auto& [depth, object] : clip.DisplayList()) {
        if (!object.clip || object.clip->CreatedThisTick())
            continue;
        if (object.clip->Playing())
            object.clip->Advance();
        AdvanceChildren(*object.clip);
    }
}

bool FlashPlayer::MayCreateClip(int nesting) const { return nesting <= kMaxClipNesting && liveClips_ < kMaxLiveClips; }

void FlashPlayer::QueueActions(ClipInstance& clip, const std::vector<uint8_t>& actions) {
    queue_.push_back({clip.Serial(), &actions});
}

void FlashPlayer::GotoFrame(ClipInstance& clip, int frame) {
    if (replayBudget_ == 0)
        return;
    const uint64_t before = clip.CommandsApplied();
    clip.GotoFrame(frame);
    const uint64_t replayed = clip.CommandsApplied() - before;
    replayBudget_ -= std::min(replayed, replayBudget_);
}

void FlashPlayer::RunQueuedActions() {
    replayBudget_ = kMaxReplayedCommandsPerTick;
    int budget = kMaxQueuedPerTick;
    while (!queue_.empty() && budget-- > 0) {
        const QueuedAction next = queue_.front();
        queue_.pop_front();
        if (ClipInstance* clip = FindClip(next.clip))
            RunActions(*next.actions, *clip, *this);
    }
    queue_.clear();
}

void FlashPlayer::StartSound(const SoundStart& start) {
    if (!sound_)
        return;
    if (start.stop) {
        sound_->Stop(start.soundId);
        return;
    }
    if (start.noMultiple && sound_->IsPlaying(start.soundId))
        return;
    const auto* def = movie_->FindAs<SoundDef>(start.soundId, CharacterKind::Sound);
    if (!def)
        return;
    const auto pcm = DecodeSound(*def);
    if (!pcm)
        return;
    // In and out points count samples at 44.1 kHz.
    const double toSound = pcm->rate / 44100.0;
    const size_t from = std::min(pcm->Frames(), size_t(start.inPoint * toSound));
    size_t to = start.outPoint ? size_t(start.outPoint * toSound) : pcm->Frames();
    to = std::clamp(to, from, pcm->Frames());
    sound_->Start(start.soundId, pcm, from, to, start.loops);
}

void FlashPlayer::GetUrl(const std::string& url, const std::string& target) {
    if (urlHandler_)
        urlHandler_(url, target);
}

void FlashPlayer::StopSounds() {
    if (sound_)
        sound_->StopAll();
}

void FlashPlayer::UpdateStream() {
    if (!sound_ || !stream_ || !root_)
        return;
    const int frame = root_->CurrentFrame();
    if (!root_->Playing()) {
        if (streamExpectedFrame_ >= 0)
            sound_->Stop(kStreamKey);
        streamExpectedFrame_ = -1;
        return;
    }
    // A stream that plays on from the frame before keeps going; a jump restarts it there.
    if (frame == streamExpectedFrame_ && sound_->IsPlaying(kStreamKey)) {
        streamExpectedFrame_ = frame + 1;
        return;
    }
    sound_->Stop(kStreamKey);
    const size_t from = size_t(frame) < streamFrameStart_.size() ? streamFrameStart_[size_t(frame)] : stream_->Frames();
    if (from < stream_->Frames())
        sound_->Start(kStreamKey, stream_, from, stream_->Frames(), 1);
    streamExpectedFrame_ = frame + 1;
}

ClipInstance* FlashPlayer::FindClip(uint64_t serial) {
    if (!root_)
        return nullptr;
    if (root_->Serial() == serial)
        return root_.get();
    ClipInstance* parent = nullptr;
    DisplayObject* object = FindObject(serial, &parent);
    return object && object->clip ? object->clip.get() : nullptr;
}

DisplayObject* FlashPlayer::FindObject(uint64_t serial, ClipInstance** parent) {
    std::function<DisplayObject*(ClipInstance&)> search = [&](ClipInstance& clip) -> DisplayObject* {
        for (auto& [depth, object] : clip.DisplayList()) {
            if (object.serial == serial) {
                *parent = &clip;
                return &object;
            }
            if (object.clip)
                if (DisplayObject* found = search(*object.clip))
                    return found;
        }
        return nullptr;
    };
    return root_ ? search(*root_) : nullptr;
}

// ---- painting

QTransform FlashPlayer::StageTransform(QSize target) const {
    const SwfRect& stage = movie_->Stage();
    const double sx = target.width() / double(stage.Width());
    const double sy = target.height() / double(stage.Height());
    return QTransform::fromTranslate(-stage.xMin, -stage.yMin) * QTransform::fromScale(sx, sy);
}

void FlashPlayer::Render(QImage& target) {
    if (!root_ || target.isNull())
        return;
    const Rgba& bg = movie_->Background();
    target.fill(QColor(bg.r, bg.g, bg.b));
    QPainter painter(&target);
    renderer_->Paint(painter, *root_, StageTransform(target.size()));
}

QImage FlashPlayer::RenderFrame() {
    if (!root_)
        return {};
    QImage image(movie_->StageWidth(), movie_->StageHeight(), QImage::Format_ARGB32_Premultiplied);
    Render(image);
    return image;
}

// ---- mouse

std::optional<FlashPlayer::ButtonHit> FlashPlayer::ButtonAt(QPointF point) {
    if (!root_)
        return std::nullopt;
    const QTransform stage = StageTransform(QSize(movie_->StageWidth(), movie_->StageHeight()));
    std::function<std::optional<ButtonHit>(ClipInstance&, const QTransform&)> search =
        [&](ClipInstance& clip, const QTransform& t) -> std::optional<ButtonHit> {
        auto& list = clip.DisplayList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            DisplayObject& object = it->second;
            const QTransform local = object.matrix.ToTransform() * t;
            if (object.clip) {
                if (auto found = search(*object.clip, local))
                    return found;
                continue;
            }
            if (!object.character || object.character->Kind() != CharacterKind::Button)
                continue;
            bool invertible = false;
            const QPointF inside = local.inverted(&invertible).map(point);
            if (invertible && renderer_->ButtonHit(static_cast<const ButtonDef&>(*object.character), inside))
                return ButtonHit{object.serial, clip.Serial()};
        }
        return std::nullopt;
    };
    return search(*root_, stage);
}

std::vector<FlashPlayer::StageButton> FlashPlayer::StageButtons() {
    std::vector<StageButton> found;
    if (!root_)
        return found;
    const QTransform stage = StageTransform(QSize(movie_->StageWidth(), movie_->StageHeight()));
    std::function<void(ClipInstance&, const QTransform&)> collect = [&](ClipInstance& clip, const QTransform& t) {
        auto& list = clip.DisplayList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            DisplayObject& object = it->second;
            const QTransform local = object.matrix.ToTransform() * t;
            if (object.clip) {
                collect(*object.clip, local);
                continue;
            }
            if (!object.character || object.character->Kind() != CharacterKind::Button)
                continue;
            const auto& button = static_cast<const ButtonDef&>(*object.character);
            QRectF area;
            for (const auto& record : button.records) {
                const Character* c = movie_->Find(record.characterId);
                if (!(record.states & kStateHit) || !c)
                    continue;
                const SwfRect* b = c->Kind() == CharacterKind::Shape  ? &static_cast<const ShapeDef&>(*c).bounds
                                   : c->Kind() == CharacterKind::Text ? &static_cast<const TextDef&>(*c).bounds
                                   : c->Kind() == CharacterKind::EditText ? &static_cast<const EditTextDef&>(*c).bounds
                                                                          : nullptr;
                if (b)
                    area |= record.matrix.ToTransform().mapRect(QRectF(b->xMin, b->yMin, b->Width(), b->Height()));
            }
            const QPointF middle = local.map(area.center());
            const auto hit = ButtonAt(middle);
            if (!area.isEmpty() && hit && hit->object == object.serial)
                found.push_back({middle, &button});
        }
    };
    collect(*root_, stage);
    return found;
}

void FlashPlayer::ButtonEvent(const ButtonHit& hit, uint16_t condition, int soundIndex, uint8_t newState) {
    ClipInstance* parent = nullptr;
    DisplayObject* object = FindObject(hit.object, &parent);
    if (!object || !object->character || object->character->Kind() != CharacterKind::Button)
        return;
    object->buttonState = newState;
    const auto& button = static_cast<const ButtonDef&>(*object->character);
    if (soundIndex >= 0 && button.sounds[size_t(soundIndex)].soundId)
        StartSound(button.sounds[size_t(soundIndex)]);
    for (const auto& action : button.actions)
        if (action.conditions & condition)
            queue_.push_back({parent->Serial(), &action.actions});
    RunQueuedActions();
    UpdateStream();
}

void FlashPlayer::UpdateHover() {
    if (!root_)
        return;
    const auto now = ButtonAt(mouse_);
    const bool same = now && hover_ && now->object == hover_->object;
    if (pressed_) {
        // While pressed only the pressed button reacts: out of it and back in.
        const bool inside = now && now->object == pressed_->object;
        const bool wasInside = hover_ && hover_->object == pressed_->object;
        if (inside && !wasInside)
            ButtonEvent(*pressed_, kOutDownToOverDown, -1, kStateDown);
        else if (!inside && wasInside)
            ButtonEvent(*pressed_, kOverDownToOutDown, -1, kStateOver);
        hover_ = inside ? pressed_ : std::nullopt;
        return;
    }
    if (same)
        return;
    if (hover_)
        ButtonEvent(*hover_, kOverUpToIdle, 0, kStateUp);
    hover_ = now;
    if (hover_)
        ButtonEvent(*hover_, kIdleToOverUp, 1, kStateOver);
}

void FlashPlayer::MouseMove(QPointF point) {
    mouse_ = point;
    UpdateHover();
}

void FlashPlayer::MousePress(QPointF point) {
    MouseMove(point);
    if (!hover_)
        return;
    pressed_ = hover_;
    ButtonEvent(*pressed_, kOverUpToOverDown, 2, kStateDown);
}

void FlashPlayer::MouseRelease(QPointF point) {
    mouse_ = point;
    if (!pressed_) {
        UpdateHover();
        return;
    }
    const ButtonHit pressed = *pressed_;
    pressed_.reset();
    const auto now = ButtonAt(point);
    if (now && now->object == pressed.object) {
        hover_ = pressed;
        ButtonEvent(pressed, kOverDownToOverUp, 3, kStateOver);
    } else {
        hover_.reset();
        ButtonEvent(pressed, kOutDownToIdle, -1, kStateUp);
    }
    UpdateHover();
}

void FlashPlayer::Click(QPointF point) {
    MousePress(point);
    MouseRelease(point);
}

} // namespace player
