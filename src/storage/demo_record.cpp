#include "storage/demo_record.h"

#include "model/scene_operations.h"
#include "storage/object_record.h"
#include "storage/scene_record.h"
#include "storage/value_codec.h"

namespace vantora {
namespace {

constexpr StorageErrorCode kRead = StorageErrorCode::ReadDemo;

bool readInt(ByteReader& in, std::int32_t& value, RecordError& error) {
    return in.readInt32(value) || error.fail(kRead, kDataEndsText);
}

} // namespace

bool WriteDemo(ByteWriter& out, const TVantora& demo, RecordError& error, const ProgressObserver* progress) {
    out.writeInt32(kRecordFormat);
    if (!WriteText(out, demo.Name, error))
        return false;
    out.writeInt32(demo.Width);
    out.writeInt32(demo.Height);
    out.writeInt32(static_cast<std::int32_t>(demo.BackColor));
    out.writeInt32(demo.FrameRateFactor);
    if (demo.Scenes.size() > static_cast<std::size_t>(INT32_MAX))
        return error.fail(StorageErrorCode::WriteDemo, kTooLargeText);
    const auto count = static_cast<std::int32_t>(demo.Scenes.size());
    out.writeInt32(count);

    ProgressScope scope(progress, kSaveProgressLabel, count);
    for (std::int32_t i = 0; i < count; ++i) {
        scope.advance(i + 1);
        const TDemoFrame* scene = demo.Scenes[static_cast<std::size_t>(i)].get();
        if (!scene)
            return error.fail(StorageErrorCode::WriteScene, "A scene of the demo is missing.");
        if (!WriteScene(out, *scene, error))
            return false;
    }
    return true;
}

bool ReadDemo(ByteReader& in, TVantora& demo, RecordError& error, const ProgressObserver* progress) {
    std::int32_t format = 0;
    std::int32_t backColor = 0;
    if (!readInt(in, format, error) || !ReadText(in, demo.Name, error) || !readInt(in, demo.Width, error) ||
        !readInt(in, demo.Height, error) || !readInt(in, backColor, error) ||
        !readInt(in, demo.FrameRateFactor, error))
        return false;
    demo.BackColor = static_cast<TColor>(backColor);

    std::int32_t count = 0;
    if (in.remaining() < 4)
        return error.fail(kRead, kDataEndsText);
    if (!in.readCount(count, kMinSceneRecordBytes))
        return error.fail(kRead, kBadLengthText);
    demo.Scenes.reserve(static_cast<std::size_t>(count));

    ProgressScope scope(progress, kLoadProgressLabel, count);
    for (std::int32_t i = 0; i < count; ++i) {
        scope.advance(i + 1);
        auto scene = std::make_unique<TDemoFrame>();
        if (!ReadScene(in, *scene, error))
            return false;
        AdoptScene(demo, std::move(scene));
    }
    return true;
}

} // namespace vantora
