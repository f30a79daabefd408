#include "storage/project_file.h"

#include "model/scene_operations.h"
#include "storage/demo_record.h"
#include "base/safe_file.h"
#include "storage/file_source.h"
#include "storage/object_record.h"

#include <fstream>
#include <memory>
#include <optional>
#include <string>

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

// What the start and size of an unreadable file show, for a message that says what is wrong.
struct ProjectShape {
    std::optional<std::int32_t> formatNumber; // the first int32; none when the file is shorter
    std::uint64_t size = 0;
};

// The failure of a file that did not read as a whole demo, keeping the reader's code: a file that
// does not begin with a demo record's format number is no project at all (a text or picture file
// renamed), one whose data runs out is cut short; anything else keeps the reader's description.
StorageResult unreadableProject(const RecordError& error, const ProjectShape& shape, std::string_view fileName) {
    const std::string subject = fileName.empty() ? std::string("The project") : "\"" + std::string(fileName) + "\"";
    if (shape.formatNumber != kRecordFormat)
        return StorageResult::Failure(error.code, 0, subject + " is not a Vantora project.");
    if (error.description == kDataEndsText || error.description == kBadLengthText)
        return StorageResult::Failure(error.code, 0,
                                      subject + " is cut short at byte " + std::to_string(shape.size) + ".");
    return StorageResult::Failure(error.code, 0, error.description, fileName);
}

// Reads a whole demo from `in` and, when all of it was read, hands it to `demo`.
StorageResult readProject(ByteReader& in, TVantora& demo, const ProgressObserver* progress,
                          const ProjectShape& shape, std::string_view fileName) {
    auto loaded = std::make_unique<TVantora>();
    RecordError error;
    if (!ReadDemo(in, *loaded, error, progress))
        return unreadableProject(error, shape, fileName);
    replaceDemo(demo, *loaded);
    return StorageResult::Success();
}

std::optional<std::int32_t> firstInt32(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4)
        return std::nullopt;
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                     std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24);
}

ProjectShape fileShape(const std::filesystem::path& file, std::uint64_t size) {
    std::uint8_t head[4] = {};
    std::ifstream in(file, std::ios::binary);
    const bool whole = in && in.read(reinterpret_cast<char*>(head), sizeof head).gcount() == sizeof head;
    return {whole ? firstInt32(head) : std::nullopt, size};
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

StorageResult ParseProject(std::span<const std::uint8_t> bytes, TVantora& demo, const ProgressObserver* progress,
                           std::string_view fileName) {
    ByteReader in(bytes);
    return readProject(in, demo, progress, {firstInt32(bytes), bytes.size()}, fileName);
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
    StorageResult result = readProject(in, demo, progress, fileShape(file, source.size()), file.string());
    if (!result && !source.readOutcome().ok())
        return readFailure(source.readOutcome(), file.string());
    return result;
}

} // namespace vantora
