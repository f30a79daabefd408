#include "storage/gallery_file.h"

#include "storage/library_folders.h"
#include "storage/object_record.h"
#include "base/safe_file.h"

#include <string>
#include <system_error>

namespace vantora {
namespace {

namespace fs = std::filesystem;

// A caption may only name a file directly inside the gallery folder.
bool isPlainGalleryFileName(std::string_view caption) {
    if (caption.empty() || caption == "." || caption == ".." || caption.find('/') != std::string_view::npos ||
        caption.find('\\') != std::string_view::npos || caption.find('\0') != std::string_view::npos)
        return false;
    const fs::path name{std::string(caption)};
    return name.extension() == kGalleryExtension || name.extension() == ".VTO";
}

} // namespace

fs::path NextGalleryFileName(const fs::path& folder, TObjectKind kind) {
    const std::string base(ObjectKindName(kind));
    std::error_code error;
    // At most as many numbers are taken as there are files, so this ends.
    for (unsigned long n = 1;; ++n) {
        fs::path candidate = folder / (base + std::to_string(n) + std::string(kGalleryExtension));
        if (!fs::exists(candidate, error))
            return candidate;
    }
}

StorageResult GalleryFileBytes(const TDemoObject& object, std::vector<std::uint8_t>& bytes) {
    ByteWriter out;
    RecordError error;
    if (!WriteObject(out, object, error))
        return error.toResult();
    bytes = out.take();
    return StorageResult::Success();
}

StorageResult SaveGalleryObject(const fs::path& file, const TDemoObject& object) {
    std::vector<std::uint8_t> bytes;
    if (StorageResult made = GalleryFileBytes(object, bytes); !made)
        return made;
    const FileWriteOutcome outcome = WriteFileSafely(file, bytes);
    if (outcome.ok())
        return StorageResult::Success();
    return StorageResult::Failure(StorageErrorCode::CreateFile, outcome.systemError,
                                  SystemErrorText(outcome.systemError), file.string());
}

StorageResult ReadGalleryObject(const fs::path& file, TDemoObject& object) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome outcome = ReadFileLimited(file, kMaxGalleryFileBytes, bytes);
    if (outcome.status == FileReadOutcome::Status::OpenFailed)
        return StorageResult::Failure(StorageErrorCode::OpenFile, outcome.systemError,
                                      SystemErrorText(outcome.systemError), file.string());
    if (!outcome.ok())
        return StorageResult::Failure(StorageErrorCode::ReadObject, outcome.systemError,
                                      SystemErrorText(outcome.systemError), file.string());
    return ParseGalleryObject(bytes, object);
}

StorageResult ParseGalleryObject(std::span<const std::uint8_t> bytes, TDemoObject& object) {
    ByteReader in(bytes);
    RecordError error;
    ReadObject(in, object, error);
    return error.toResult();
}

GallerySaveReport SaveObjectsToGallery(std::span<const TDemoObject* const> objects, const fs::path& folder) {
    GallerySaveReport report;
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    for (const TDemoObject* object : objects) {
        if (!object)
            continue;
        StorageResult result = SaveGalleryObject(NextGalleryFileName(folder, object->Kind), *object);
        if (result)
            ++report.saved;
        else
            report.failures.push_back(std::move(result));
    }
    return report;
}

bool DeleteGalleryFile(const fs::path& folder, std::string_view caption) {
    if (!isPlainGalleryFileName(caption))
        return false;
    std::error_code error;
    return fs::remove(folder / std::string(caption), error);
}

std::vector<fs::path> ListGalleryFiles(const fs::path& folder) {
    return ListFilesWithExtensions(folder, {kGalleryExtension});
}

} // namespace vantora
