#include "model/object_operations.h"

#include "model/demo.h"
#include "model/object_defaults.h"
#include "model/stop_points.h"

#include <algorithm>
#include <limits>

namespace vantora {
namespace {

// Times from damaged files may be near the int32 limits; sums saturate instead of wrapping.
std::int32_t addTime(std::int32_t a, std::int64_t b) {
    const std::int64_t sum = std::int64_t(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

bool nameUsedByOther(const TDemoFrame& scene, const TDemoObject& object) {
    return std::any_of(scene.Objects.begin(), scene.Objects.end(), [&](const auto& other) {
        return other && other.get() != &object && other->Name == object.Name;
    });
}

bool objectNameTaken(const TDemoFrame& scene, const std::string& name) {
    return std::any_of(scene.Objects.begin(), scene.Objects.end(),
                       [&](const auto& object) { return object && object->Name == name; });
}

bool isKind(const std::unique_ptr<TDemoObject>& object, TObjectKind kind) { return object && object->Kind == kind; }

void raiseLength(TDemoFrame& scene, std::int32_t end) {
    if (scene.Length < end)
        scene.Length = end;
}

// The start of a new object: 10 after the last object of its kind, or 0, and 0 again when that
// would not start inside the scene.
std::int32_t staggeredStart(const TDemoFrame& scene, TObjectKind kind) {
    std::int32_t start = 0;
    for (auto it = scene.Objects.rbegin(); it != scene.Objects.rend(); ++it)
        if (isKind(*it, kind)) {
            start = addTime((*it)->StartTime, kNewObjectStagger);
            break;
        }
    return start < scene.Length ? start : 0;
}

// A new cursor moves after every earlier cursor has finished.
std::int32_t cursorStart(const TDemoFrame& scene) {
    std::int32_t start = 0;
    for (const auto& object : scene.Objects)
        if (isKind(object, TObjectKind::Cursor))
            start = std::max(start, object->EndTime);
    return start;
}

int orderClass(const std::unique_ptr<TDemoObject>& object) {
    if (isKind(object, TObjectKind::Cursor))
        return 1;
    if (isKind(object, TObjectKind::Audio))
        return 2;
    return 0;
}

} // namespace

std::string UniqueObjectName(const TDemoFrame& scene, TObjectKind kind) {
    const std::string base(ObjectKindName(kind));
    for (std::size_t n = 1;; ++n) {
        std::string candidate = base + std::to_string(n);
        if (!objectNameTaken(scene, candidate))
            return candidate;
    }
}

void TakeFreeNameIfUsed(const TDemoFrame& scene, TDemoObject& object) {
    if (nameUsedByOther(scene, object))
        object.Name = UniqueObjectName(scene, object.Kind);
}

TDemoObject& NewObject(TDemoFrame& scene, TObjectKind kind, std::int32_t left, std::int32_t top) {
    auto object = std::make_unique<TDemoObject>(MakeDefaultObject(kind, left, top));
    object->Name = UniqueObjectName(scene, kind);
    TimeAsNewObject(scene, *object);
    TDemoObject& added = *object;
    scene.Objects.push_back(std::move(object));
    if (kind == TObjectKind::Button)
        AddStopPoint(scene, addTime(added.StartTime, kNewButtonStopDelay));
    NormalizeObjectOrder(scene);
    NotifySceneChange(scene, ModelChangeKind::ObjectAdded, &added);
    return added;
}

void TimeAsNewObject(TDemoFrame& scene, TDemoObject& object) {
    if (object.Kind == TObjectKind::Cursor) {
        object.StartTime = cursorStart(scene);
        object.EndTime = addTime(object.StartTime, kNewCursorDuration);
    } else {
        object.StartTime = staggeredStart(scene, object.Kind);
        object.EndTime = addTime(object.StartTime, kNewObjectDuration);
    }
    raiseLength(scene, object.EndTime);
}

TDemoObject& AddDroppedObject(TDemoFrame& scene, std::unique_ptr<TDemoObject> object, std::int32_t left,
                              std::int32_t top) {
    if (!object)
        object = std::make_unique<TDemoObject>();
    TakeFreeNameIfUsed(scene, *object);
    object->Left = left;
    object->Top = top;
    TimeAsNewObject(scene, *object);
    TDemoObject& added = *object;
    scene.Objects.push_back(std::move(object));
    NormalizeObjectOrder(scene);
    NotifySceneChange(scene, ModelChangeKind::ObjectAdded, &added);
    return added;
}

void FreeObject(std::unique_ptr<TDemoObject>& object) { object.reset(); }

std::unique_ptr<TDemoObject> TakeObject(TDemoFrame& scene, const TDemoObject* object) {
    const std::size_t index = IndexOfObject(scene, object);
    if (index == std::string::npos)
        return nullptr;
    std::unique_ptr<TDemoObject> taken = std::move(scene.Objects[index]);
    scene.Objects.erase(scene.Objects.begin() + static_cast<std::ptrdiff_t>(index));
    return taken;
}

std::size_t IndexOfObject(const TDemoFrame& scene, const TDemoObject* object) {
    if (!object)
        return std::string::npos;
    for (std::size_t i = 0; i < scene.Objects.size(); ++i)
        if (scene.Objects[i].get() == object)
            return i;
    return std::string::npos;
}

void NormalizeObjectOrder(TDemoFrame& scene) {
    std::stable_sort(scene.Objects.begin(), scene.Objects.end(),
                     [](const auto& a, const auto& b) { return orderClass(a) < orderClass(b); });
}

void ChainCursors(TDemoFrame& scene, TDemoObject& cursor, std::size_t index) {
    if (index >= scene.Objects.size() || scene.Objects[index].get() != &cursor ||
        cursor.Kind != TObjectKind::Cursor)
        return;
    bool moved = false;
    // Each pushed cursor becomes the one the following cursors must not overlap. One pass over
    // the list, so damaged times (zero or negative durations) cannot make it loop.
    const TDemoObject* previous = &cursor;
    for (std::size_t i = index + 1; i < scene.Objects.size(); ++i) {
        TDemoObject* later = scene.Objects[i].get();
        if (!later || later->Kind != TObjectKind::Cursor || later->StartTime >= previous->EndTime)
            continue;
        const std::int64_t duration = std::int64_t(later->EndTime) - later->StartTime;
        later->StartTime = previous->EndTime;
        later->EndTime = addTime(later->StartTime, duration);
        raiseLength(scene, later->EndTime);
        previous = later;
        moved = true;
    }
    if (moved)
        NotifySceneChange(scene, ModelChangeKind::ObjectTiming, &cursor);
}

void ChainAllCursors(TDemoFrame& scene) {
    for (std::size_t i = 0; i < scene.Objects.size(); ++i)
        if (isKind(scene.Objects[i], TObjectKind::Cursor))
            ChainCursors(scene, *scene.Objects[i], i);
}

} // namespace vantora
