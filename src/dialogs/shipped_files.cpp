#include "dialogs/shipped_files.h"

#include "base/install_file.h"
#include "base/program_folder.h"
#include "dialogs/tips/tips_form.h"
#include "publish/shipped_library.h"

#include <QFile>

namespace vantora {

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
    // The library material comes from the shipped resource folder rather than from the program.
    return publish::InstallShippedLibrary().ok() && ok;
}

} // namespace vantora
