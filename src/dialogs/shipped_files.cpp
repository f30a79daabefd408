#include "dialogs/shipped_files.h"

#include "base/program_folder.h"
#include "base/safe_file.h"
#include "dialogs/tips/tips_form.h"

#include <QFile>

#include <system_error>

namespace vantora {

InstallOutcome InstallMissingFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    if (std::filesystem::exists(target, error))
        return InstallOutcome::AlreadyThere;
    if (error)
        return InstallOutcome::Failed;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);
    if (error)
        return InstallOutcome::Failed;
    return WriteFileSafely(target, bytes).ok() ? InstallOutcome::Installed : InstallOutcome::Failed;
}

bool InstallShippedFiles() {
    bool ok = true;
    for (const char* name : {kTipsFileName}) {
        QFile resource(QStringLiteral(":/vantora/shipped/") + QString::fromLatin1(name));
        if (!resource.open(QIODevice::ReadOnly)) {
            ok = false;
            continue;
        }
        const QByteArray bytes = resource.readAll();
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        ok = InstallMissingFile(ProgramFolder() / name, {data, std::size_t(bytes.size())}) != InstallOutcome::Failed && ok;
    }
    return ok;
}

} // namespace vantora
