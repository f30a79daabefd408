#include "storage/clipboard_block.h"

#include "storage/object_record.h"

#include <limits>

namespace vantora {

StorageResult WriteClipboardBlock(std::span<const TDemoObject* const> objects, std::vector<std::uint8_t>& block) {
    ByteWriter body;
    RecordError error;
    body.writeInt32(static_cast<std::int32_t>(objects.size()));
    for (const TDemoObject* object : objects)
        if (!object || !WriteObject(body, *object, error))
            return (error.fail(StorageErrorCode::WriteObject, "An object to copy is missing."), error.toResult());
    if (body.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return StorageResult::Failure(StorageErrorCode::WriteObject, 0, kTooLargeText);
    ByteWriter out;
    out.writeInt32(static_cast<std::int32_t>(body.size()));
    out.writeBytes(body.bytes());
    block = out.take();
    return StorageResult::Success();
}

ClipboardContents ReadClipboardBlock(std::span<const std::uint8_t> block) {
    ClipboardContents contents;
    RecordError error;
    ByteReader outer(block);
    std::int32_t size = 0;
    std::span<const std::uint8_t> body;
    if (!outer.readCount(size) || !outer.readBytes(static_cast<std::size_t>(size), body)) {
        error.fail(StorageErrorCode::ReadObject, kBadLengthText);
        contents.result = error.toResult();
        return contents;
    }
    ByteReader in(body);
    std::int32_t count = 0;
    if (!in.readCount(count, kMinObjectRecordBytes)) {
        error.fail(StorageErrorCode::ReadObject, kBadLengthText);
        contents.result = error.toResult();
        return contents;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        auto object = std::make_unique<TDemoObject>();
        if (!ReadObject(in, *object, error))
            break;
        contents.objects.push_back(std::move(object));
    }
    contents.result = error.toResult();
    return contents;
}

} // namespace vantora
