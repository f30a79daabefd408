#include "storage/scene_record.h"

#include "storage/object_record.h"
#include "storage/value_codec.h"

#include <memory>

namespace vantora {
namespace {

constexpr StorageErrorCode kRead = StorageErrorCode::ReadScene;

bool readInt(ByteReader& in, std::int32_t& value, RecordError& error) {
    return in.readInt32(value) || error.fail(kRead, kDataEndsText);
}

bool readCount(ByteReader& in, std::int32_t& count, std::size_t unitBytes, RecordError& error) {
    if (in.remaining() < 4)
        return error.fail(kRead, kDataEndsText);
    return in.readCount(count, unitBytes) || error.fail(kRead, kBadLengthText);
}

bool writeCount(ByteWriter& out, std::size_t count, RecordError& error) {
    if (count > static_cast<std::size_t>(INT32_MAX))
        return error.fail(StorageErrorCode::WriteScene, kTooLargeText);
    out.writeInt32(static_cast<std::int32_t>(count));
    return true;
}

bool readObjects(ByteReader& in, TDemoFrame& scene, RecordError& error) {
    std::int32_t count = 0;
    if (!readCount(in, count, kMinObjectRecordBytes, error))
        return false;
    scene.Objects.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto object = std::make_unique<TDemoObject>();
        if (!ReadObject(in, *object, error))
            return false;
        scene.Objects.push_back(std::move(object));
    }
    return true;
}

} // namespace

bool WriteScene(ByteWriter& out, const TDemoFrame& scene, RecordError& error) {
    out.writeInt32(kRecordFormat);
    if (!WriteText(out, scene.Name, error))
        return false;
    out.writeInt32(static_cast<std::int32_t>(scene.BackColor));
    if (!WritePicture(out, scene.BackImage, error))
        return false;
    out.writeInt32(scene.Length);
    out.writeInt32(scene.BackImageStyle);
    if (!WriteAnimation(out, scene.Animation, error) || !writeCount(out, scene.StopPoints.size(), error))
        return false;
    for (std::int32_t stop : scene.StopPoints)
        out.writeInt32(stop);
    if (!writeCount(out, scene.Objects.size(), error))
        return false;
    for (const auto& object : scene.Objects)
        if (!object || !WriteObject(out, *object, error))
            return error.fail(StorageErrorCode::WriteObject, "An object of the scene is missing.");
    return true;
}

bool ReadScene(ByteReader& in, TDemoFrame& scene, RecordError& error) {
    std::int32_t format = 0;
    std::int32_t backColor = 0;
    if (!readInt(in, format, error) || !ReadText(in, scene.Name, error) || !readInt(in, backColor, error))
        return false;
    scene.BackColor = static_cast<TColor>(backColor);
    if (!ReadPicture(in, scene.BackImage, error) || !readInt(in, scene.Length, error) ||
        !readInt(in, scene.BackImageStyle, error) || !ReadAnimation(in, scene.Animation, error))
        return false;
    std::int32_t stopCount = 0;
    if (!readCount(in, stopCount, 4, error))
        return false;
    scene.StopPoints.resize(static_cast<std::size_t>(stopCount));
    for (std::int32_t& stop : scene.StopPoints)
        in.readInt32(stop); // readCount made sure the values are there
    return readObjects(in, scene, error);
}

} // namespace vantora
