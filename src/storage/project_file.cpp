#include "storage/project_file.h"

#include "model/scene_operations.h"
#include "storage/demo_record.h"
#include "base/safe_file.h"
#include "storage/file_source.h"

#include <memory>

namespace vantora {
namespace {

// Moves a completely read demo into the one the editor holds.
void replaceDemo(TVantora& target, TVantora& loaded) {
    ClearDemo(target);
    target.Name = std::move(loaded.Name);
    target.Width = loaded.Width;
    target.Height = loaded.Height;
    target.BackColor = loaded.BackColor;
    target.FrameRateFactor = loaded.FrameRateFactor;
    for (auto& scene : loaded.Scenes)
        AdoptScene(target, std::move(scene));
    loaded.Scenes.clear();
    target.Changes.setModified(false);
}

StorageResult writeFailure(const FileWriteOutcome& outcome, const std::string& fileName) {
    const StorageErrorCode code =
        outcome.stage == FileWriteOutcome::Stage::Write ? StorageErrorCode::WriteDemo : StorageErrorCode::CreateFile;
    return StorageResult::Failure(code, outcome.systemError, SystemErrorText(outcome.systemError), fileName);
}

StorageResult readFailure(const FileReadOutcome& outcome, const std::string& fileName) {
    switch (outcome.status) {
    case FileReadOutcome::Status::OpenFailed:
        return StorageResult::Failure(StorageErrorCode::OpenFile, outcome.systemError,
                                      SystemErrorText(outcome.systemError), fileName);
    case FileReadOutcome::Status::TooLarge:
        return StorageResult::Failure(StorageErrorCode::ReadDemo, outcome.systemError,
                                      "The file is too large to be a project.", fileName);
    default:
        return StorageResult::Failure(StorageErrorCode::ReadDemo, outcome.systemError,
                                      SystemErrorText(outcome.systemError), fileName);
    }
}

// Reads a whole demo from `in` and, when all of it was read, hands it to `demo`.
StorageResult readProject(ByteReader& in, TVantora& demo, const ProgressObserver* progress) {
    auto loaded = std::make_unique<TVantora>();
    RecordError error;
    if (!ReadDemo(in, *loaded, error, progress))
        return error.toResult();
    replaceDemo(demo, *loaded);
    return StorageResult::Success();
}

} // namespace

StorageResult SerializeProject(const TVantora& demo, std::vector<std::uint8_t>& bytes, const ProgressObserver* progress) {
    ByteWriter out;
    RecordError error;
    if (!WriteDemo(out, demo, error, progress))
        return error.toResult();
    bytes = out.take();
    return StorageResult::Success();
}

StorageResult ParseProject(std::span<const std::uint8_t> bytes, TVantora& demo, const ProgressObserver* progress) {
    ByteReader in(bytes);
    return readProject(in, demo, progress);
}

StorageResult SaveProject(const std::filesystem::path& file, const TVantora& demo, const ProgressObserver* progress) {
    std::vector<std::uint8_t> bytes;
    StorageResult result = SerializeProject(demo, bytes, progress);
    if (!result)
        return result;
    const FileWriteOutcome outcome = WriteFileSafely(file, bytes);
    return outcome.ok() ? StorageResult::Success() : writeFailure(outcome, file.string());
}

// The file is streamed into the records rather than read whole first: a project is mostly picture
// bytes, and each picture keeps its own copy, so reading it whole would hold it twice.
StorageResult LoadProject(const std::filesystem::path& file, TVantora& demo, const ProgressObserver* progress) {
    FileByteSource source;
    const FileReadOutcome opened = source.open(file, kMaxProjectFileBytes);
    if (!opened.ok())
        return readFailure(opened, file.string());
    ByteReader in(source);
    StorageResult result = readProject(in, demo, progress);
    if (!result && !source.readOutcome().ok())
        return readFailure(source.readOutcome(), file.string());
    return result;
}

} // namespace vantora
