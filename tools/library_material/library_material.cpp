#include "library_material/library_material.h"

#include "base/safe_file.h"
#include "library_material/button_pictures.h"
#include "library_material/cursor_pictures.h"
#include "library_material/gallery_objects.h"
#include "library_material/image_pictures.h"
#include "library_material/sound_synthesis.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vantora::material {
namespace {

// Generated files are small; anything larger in their place is not ours to compare.
constexpr std::uintmax_t kLargestMaterialFile = 64ull * 1024 * 1024;
constexpr int kEncoderTimeoutMs = 60'000;

bool holdsBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> existing;
    return ReadFileLimited(file, kLargestMaterialFile, existing).ok() && existing == bytes;
}

std::vector<std::uint8_t> encodeMp3(const std::vector<std::uint8_t>& wave, const fs::path& lame) {
    QProcess encoder;
    // Constant bit rate from standard input to standard output: no tag that depends on seeking.
    encoder.start(QString::fromStdString(lame.string()),
                  {QStringLiteral("--quiet"), QStringLiteral("--noreplaygain"), QStringLiteral("-b"), QStringLiteral("64"),
                   QStringLiteral("-"), QStringLiteral("-")});
    if (!encoder.waitForStarted(kEncoderTimeoutMs))
        throw std::runtime_error("cannot start " + lame.string());
    encoder.write(reinterpret_cast<const char*>(wave.data()), static_cast<qint64>(wave.size()));
    encoder.closeWriteChannel();
    if (!encoder.waitForFinished(kEncoderTimeoutMs) || encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0)
        throw std::runtime_error(lame.string() + " failed: " + encoder.readAllStandardError().toStdString());
    const QByteArray mp3 = encoder.readAllStandardOutput();
    if (mp3.isEmpty())
        throw std::runtime_error(lame.string() + " wrote nothing");
    return {mp3.begin(), mp3.end()};
}

void removeStaleFiles(const fs::path& folder, const MaterialFiles& files, WriteReport& report) {
    std::set<fs::path> wanted;
    for (const MaterialFile& file : files)
        wanted.insert(folder / file.relativePath);
    for (const char* owned : kMaterialFolders) {
        std::error_code error;
        for (fs::directory_iterator it(folder / owned, error), end; !error && it != end; it.increment(error)) {
            std::error_code removeError;
            if (it->is_regular_file(removeError) && !wanted.contains(it->path()) && fs::remove(it->path(), removeError))
                ++report.removed;
        }
    }
}

} // namespace

MaterialFiles MakeLibraryMaterial() {
    MaterialFiles files;
    Append(files, CursorPictures());
    Append(files, ImagePictures());
    Append(files, ButtonPictures());
    Append(files, SoundFiles());
    Append(files, GalleryFiles());
    std::sort(files.begin(), files.end(),
              [](const MaterialFile& a, const MaterialFile& b) { return a.relativePath < b.relativePath; });
    return files;
}

MaterialFiles Mp3Copies(const MaterialFiles& files, const fs::path& lame) {
    MaterialFiles copies;
    for (const MaterialFile& file : files) {
        if (file.relativePath.parent_path() != "Audios" || file.relativePath.extension() != ".wav")
            continue;
        fs::path name = file.relativePath;
        copies.push_back({name.replace_extension(".mp3"), encodeMp3(file.bytes, lame)});
    }
    return copies;
}

WriteReport WriteMaterial(const fs::path& folder, const MaterialFiles& files) {
    WriteReport report;
    for (const MaterialFile& file : files) {
        const fs::path target = folder / file.relativePath;
        if (holdsBytes(target, file.bytes)) {
            ++report.unchanged;
            continue;
        }
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        if (error || !WriteFileSafely(target, file.bytes).ok())
            throw std::runtime_error("cannot write " + target.string());
        ++report.written;
    }
    removeStaleFiles(folder, files, report);
    return report;
}

} // namespace vantora::material
