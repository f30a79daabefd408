#include "publish/shipped_library.h"

#include "base/install_file.h"
#include "base/install_ledger.h"
#include "base/program_folder.h"
#include "publish/shipped_files.h"
#include "storage/library_folders.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vantora::publish {
namespace {

// Installs `source` as `target` unless the ledger says it was installed before; `name` is its
// ledger entry.
void installOne(const fs::path& source, const fs::path& target, const std::string& name, InstallLedger& ledger,
                LibraryInstallReport& report) {
    if (ledger.Contains(name))
        return;
    switch (InstallMissingCopy(target, source)) {
    case InstallOutcome::Installed: ++report.installed; [[fallthrough]];
    case InstallOutcome::AlreadyThere: ledger.Add(name); break;
    case InstallOutcome::Failed: ++report.failed; break;
    }
}

std::vector<fs::path> regularFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (std::error_code typeError; it->is_regular_file(typeError))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

void installFolder(const fs::path& source, const std::string& folder, InstallLedger& ledger, LibraryInstallReport& report) {
    const fs::path target = ProgramFolder() / folder;
    std::error_code error;
    if (!fs::exists(target, error))
        ledger.ForgetPrefix(folder + "/");
    for (const fs::path& file : regularFiles(source)) {
        const std::string name = file.filename().string();
        installOne(file, target / name, folder + "/" + name, ledger, report);
    }
}

} // namespace

LibraryInstallReport InstallShippedLibrary() {
    LibraryInstallReport report;
    InstallLedger ledger(ProgramFolder() / kInstallLedgerName);
    for (LibraryKind kind : kLibraryFillOrder) {
        const std::string folder(LibraryName(kind));
        const auto source = ShippedFile(folder);
        std::error_code error;
        if (source && fs::is_directory(*source, error))
            installFolder(*source, folder, ledger, report);
    }
    const std::string click = DefaultClickSoundFile().filename().string();
    if (const auto source = ShippedFile(click))
        installOne(*source, DefaultClickSoundFile(), click, ledger, report);
    if (!ledger.Save())
        ++report.failed;
    return report;
}

} // namespace vantora::publish
