#include "movie/scene_plan.h"

#include "movie/audio_sound.h"
#include "movie/cursor_path.h"
#include "movie/input_typing.h"
#include "movie/text_character.h"
#include "movie/movie_limits.h"
#include "movie/object_timing.h"
#include "movie/placement_transform.h"
#include "movie/scene_background.h"
#include "movie/stop_action.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "swf/text.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace vantora {

MovieBuildSession::MovieBuildSession(swf::TFlashMovie& movie, const TVantora& demo, WorkFiles workFiles,
                                     std::vector<const TDemoFrame*> scenes)
    : movie_(movie),
      demo_(demo),
      factor_(EffectiveFrameRateFactor(demo.FrameRateFactor)),
      width_(demo.Width),
      height_(demo.Height),
      workFiles_(std::move(workFiles)),
      bitmaps_(movie),
      characters_(movie, bitmaps_, workFiles_),
      backgrounds_(std::move(scenes), demo.Width, demo.Height) {
    characters_.SetSceneStarts(SceneStarts(demo, factor_));
}

int MovieBuildSession::SceneIndex(const TDemoFrame& scene) const {
    for (std::size_t i = 0; i < demo_.Scenes.size(); ++i)
        if (demo_.Scenes[i].get() == &scene)
            return int(i);
    return -1;
}

namespace {

// The run-time state of one object while its scene is built.
struct ObjectSlot {
    const TDemoObject* object = nullptr;
    std::uint16_t depth = 0;
    bool exported = false;
    bool inSprite = false;
    ObjectTiming timing;
    TransformSubject subject;
    int nextCursor = -1;
    swf::TFlashSprite* sprite = nullptr;
    swf::TFlashVisualObject* character = nullptr; // built once, at the first need
    bool spriteDepthUsed = false;                 // depth 0 of the sprite holds a character
    bool onMainTimeline = false;                  // the object or its sprite is placed at `depth`
    TypedText typed;                              // InputText: the text and caret last shown
};

class ScenePlan {
public:
    ScenePlan(MovieBuildSession& session, const TDemoFrame& scene)
        : session_(session), movie_(session.Movie()), scene_(scene),
          frames_(SceneFrameCount(scene, session.FrameRateFactor())) {}

    void Append() {
        if (frames_ <= 0)
            return; // a scene without frames adds nothing
        PrepareSlots();
        DefineSprites();
        session_.Characters().SetCurrentScene(session_.SceneIndex(scene_));
        background_ = BuildSceneBackground(movie_, scene_, session_.Width(), session_.Height(),
                                           session_.Backgrounds().Take(scene_), session_.Files(), session_.Bitmaps());
        backgroundSubject_ = SceneTransformSubject(scene_, session_.Width(), session_.Height(), session_.FrameRateFactor());
        for (std::int64_t f = 0; f < frames_; ++f)
            BuildFrame(f);
        CloseScene();
    }

private:
    void PrepareSlots() {
        if (std::int64_t(scene_.Objects.size()) > kMaxObjectsPerScene)
            throw MovieBuildError("Scene \"" + scene_.Name + "\" has more objects than a movie has depths.");
        const std::int32_t factor = session_.FrameRateFactor();
        pathCursors_ = PathCursors(scene_, factor);
        const std::vector<int> next = NextCursorIndices(pathCursors_);
        slots_.resize(scene_.Objects.size());
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            ObjectSlot& slot = slots_[i];
            slot.object = scene_.Objects[i].get();
            slot.depth = static_cast<std::uint16_t>(i + 2);
            slot.timing = TimingOf(*slot.object, factor);
            slot.exported = IsExportedKind(slot.object->Kind) && slot.timing.OnStage;
            slot.inSprite = LivesInSprite(*slot.object);
            slot.subject = ObjectTransformSubject(*slot.object, slot.timing.Start, slot.timing.End, factor);
            slot.nextCursor = next[i];
        }
    }

    void DefineSprites() {
        for (ObjectSlot& slot : slots_)
            if (GetsSprite(*slot.object))
                slot.sprite = CheckedCharacter(movie_.AddSprite());
    }

    void BuildFrame(std::int64_t f) {
        if (f > 0)
            movie_.RemoveObject(1);
        ApplyTransform(*movie_.PlaceObject(background_, 1), ComputeTransform(backgroundSubject_, f));
        if (f == 0)
            ShowEarlyPointer();
        for (ObjectSlot& slot : slots_) {
            if (!slot.exported)
                continue;
            if (slot.object->Kind == TObjectKind::Cursor)
                StepCursor(slot, f);
            else if (slot.object->Kind == TObjectKind::Audio)
                StepAudio(slot, f);
            else if (slot.object->Kind == TObjectKind::InputText)
                StepInputText(slot, f);
            else
                StepObject(slot, f);
        }
        if (IsStopFrame(f))
            movie_.SetPendingFrameActions(MakeStopAction());
        movie_.ShowFrame();
    }

    void StepObject(ObjectSlot& slot, std::int64_t f) {
        const ObjectTiming& t = slot.timing;
        if (f == t.Start)
            Appear(slot, f);
        else if (f > t.Start && f < t.Leave)
            Replace(slot, f, {});
        else if (f == t.Leave)
            RemoveFromStage(slot);
    }

    // The sound starts from the object's sprite, placed untransformed when the object starts and
    // removed when it leaves; it plays on as an event sound from its start.
    void StepAudio(ObjectSlot& slot, std::int64_t f) {
        if (f == slot.timing.Start) {
            AudioSoundResult result = AddAudioSound(movie_, session_.Files(), *slot.object);
            if (!result.Problem.empty())
                session_.SoundProblems().push_back(std::move(result.Problem));
            if (result.Sound == nullptr)
                return;
            movie_.MoveBefore(result.Sound, slot.sprite); // the sprite's StartSound names it
            slot.sprite->StartSound(result.Sound);
            movie_.PlaceObject(slot.sprite, slot.depth);
            slot.onMainTimeline = true;
        } else if (f == slot.timing.Leave) {
            RemoveFromStage(slot);
        }
    }

    // A new field whenever the typed text or the caret changes; a frame in which a character
    // arrives shows the caret with it.
    void StepInputText(ObjectSlot& slot, std::int64_t f) {
        const ObjectTiming& t = slot.timing;
        if (f < t.Start || f > t.Leave)
            return;
        if (f == t.Leave) {
            RemoveFromStage(slot);
            return;
        }
        TypedText now = TypedTextAt(*slot.object, f - t.Start, session_.FrameRateFactor());
        if (f == t.Start) {
            slot.typed = now;
            slot.character = BuildInputField(movie_, *slot.object, now);
            Appear(slot, f);
            return;
        }
        if (now.Shown != slot.typed.Shown)
            now.Caret = true;
        if (now != slot.typed) {
            slot.typed = now;
            slot.character = BuildInputField(movie_, *slot.object, now);
        }
        Replace(slot, f, {});
    }

    void StepCursor(ObjectSlot& slot, std::int64_t f) {
        const ObjectTiming& t = slot.timing;
        if (f == t.Start) {
            for (ObjectSlot& other : slots_)
                if (other.object->Kind == TObjectKind::Cursor)
                    RemoveFromStage(other, true);
            Appear(slot, f);
        } else if (f > t.Start && f < t.Leave) {
            Replace(slot, f, PathOffset(slot, f));
        } else if (f == t.Leave && slot.nextCursor >= 0) {
            RemoveFromStage(slot);
            ObjectSlot& next = slots_[std::size_t(slot.nextCursor)];
            if (next.exported && f < next.timing.Start)
                ShowPointer(next, f);
        }
    }

    MoviePoint PathOffset(const ObjectSlot& slot, std::int64_t f) const {
        if (slot.nextCursor < 0)
            return {};
        const TDemoObject& next = *slots_[std::size_t(slot.nextCursor)].object;
        return CursorPathOffset({slot.object->Left, slot.object->Top}, {next.Left, next.Top}, slot.timing.Start,
                                slot.timing.End, f);
    }

    // The first Cursor object of the list, when it starts after frame 1, shows its pointer from
    // the first frame on.
    void ShowEarlyPointer() {
        const int first = FirstCursorIndex(pathCursors_);
        if (first < 0)
            return;
        ObjectSlot& slot = slots_[std::size_t(first)];
        if (slot.exported && slot.timing.Start > 1)
            ShowPointer(slot, 0);
    }

    // A waiting pointer: the cursor's picture at its own spot before the cursor starts.
    void ShowPointer(ObjectSlot& slot, std::int64_t f) {
        const PlacementTransform transform = ComputeTransform(slot.subject, f);
        if (slot.inSprite) {
            PlaceInSprite(slot, transform);
            return;
        }
        movie_.RemoveObject(slot.depth);
        ApplyTransform(*movie_.PlaceObject(Character(slot), slot.depth), transform);
        slot.onMainTimeline = true;
    }

    void Appear(ObjectSlot& slot, std::int64_t f) {
        const PlacementTransform transform = ComputeTransform(slot.subject, f);
        if (slot.inSprite) {
            PlaceInSprite(slot, transform);
            movie_.PlaceObject(slot.sprite, slot.depth);
        } else {
            ApplyTransform(*movie_.PlaceObject(Character(slot), slot.depth), transform);
        }
        slot.onMainTimeline = true;
    }

    void Replace(ObjectSlot& slot, std::int64_t f, MoviePoint pathOffset) {
        const PlacementTransform transform = ComputeTransform(slot.subject, f, pathOffset);
        if (slot.inSprite) {
            PlaceInSprite(slot, transform);
            return;
        }
        movie_.RemoveObject(slot.depth);
        ApplyTransform(*movie_.PlaceObject(Character(slot), slot.depth), transform);
    }

    // Depth 0 of the sprite gets the character with this frame's transform, and the sprite a frame.
    // The first placement goes through the sprite, which moves the character's definition in front
    // of it; later ones are appended as they are, sparing the library a search of the whole movie
    // for a definition already in place.
    void PlaceInSprite(ObjectSlot& slot, const PlacementTransform& transform) {
        swf::TFlashPlaceObject* placement = nullptr;
        if (slot.spriteDepthUsed) {
            slot.sprite->RemoveObject(0);
            auto again = std::make_unique<swf::TFlashPlaceObject>(&movie_, Character(slot), 0);
            placement = again.get();
            slot.sprite->AppendItem(std::move(again));
        } else {
            placement = slot.sprite->PlaceObject(Character(slot), 0);
        }
        ApplyTransform(*placement, transform);
        slot.sprite->ShowFrame();
        slot.spriteDepthUsed = true;
    }

    // `always`: the cursor rules clear a depth whether or not anything stands there.
    void RemoveFromStage(ObjectSlot& slot, bool always = false) {
        if (slot.onMainTimeline || always)
            movie_.RemoveObject(slot.depth);
        slot.onMainTimeline = false;
    }

    swf::TFlashVisualObject* Character(ObjectSlot& slot) {
        if (slot.character == nullptr)
            slot.character = session_.Characters().Build(*slot.object);
        return slot.character;
    }

    bool IsStopFrame(std::int64_t f) const {
        const std::int32_t factor = session_.FrameRateFactor();
        return std::any_of(scene_.StopPoints.begin(), scene_.StopPoints.end(),
                           [&](std::int32_t p) { return std::int64_t(p) * factor == f; });
    }

    // The pointer leaves with the scene; so does any object the plan would otherwise leave on the
    // stage (one that outlives the scene), since the next scene reuses its depth.
    void CloseScene() {
        for (ObjectSlot& slot : slots_)
            if (slot.object->Kind == TObjectKind::Cursor || slot.onMainTimeline)
                RemoveFromStage(slot, slot.object->Kind == TObjectKind::Cursor);
        movie_.RemoveObject(1);
    }

    MovieBuildSession& session_;
    swf::TFlashMovie& movie_;
    const TDemoFrame& scene_;
    const std::int64_t frames_;
    std::vector<ObjectSlot> slots_;
    std::vector<bool> pathCursors_;
    swf::TFlashShape* background_ = nullptr;
    TransformSubject backgroundSubject_;
};

} // namespace

void AppendScene(MovieBuildSession& session, const TDemoFrame& scene) { ScenePlan(session, scene).Append(); }

} // namespace vantora
