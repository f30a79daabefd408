#include "storage/project_file.h"

#include "model/scene_operations.h"
#include "storage/demo_record.h"
#include "storage/safe_file.h"

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
    auto loaded = std::make_unique<TVantora>();
    ByteReader in(bytes);
    RecordError error;
    if (!ReadDemo(in, *loaded, error, progress))
        return error.toResult();
    replaceDemo(demo, *loaded);
    return StorageResult::Success();
}

StorageResult SaveProject(const std::filesystem::path& file, const TVantora& demo, const ProgressObserver* progress) {
    std::vector<std::uint8_t> bytes;
    StorageResult result = SerializeProject(demo, bytes, progress);
    if (!result)
        return result;
    const FileWriteOutcome outcome = WriteFileSafely(file, bytes);
    return outcome.ok() ? StorageResult::Success() : writeFailure(outcome, file.string());
}

StorageResult LoadProject(const std::filesystem::path& file, TVantora& demo, const ProgressObserver* progress) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome outcome = ReadFileLimited(file, kMaxProjectFileBytes, bytes);
    if (!outcome.ok())
        return readFailure(outcome, file.string());
    return ParseProject(bytes, demo, progress);
}

} // namespace vantora
