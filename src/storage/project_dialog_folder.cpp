#include "storage/project_dialog_folder.h"

#include <cstdlib>

namespace vantora {

namespace fs = std::filesystem;

fs::path DocumentsFolder() {
    if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR"); documents && fs::path(documents).is_absolute())
        return documents;
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/") / "Documents";
}

fs::path ProjectDialogFolder(const fs::path& currentFile) {
    if (!currentFile.empty())
        return currentFile.parent_path();
    const fs::path projects = DocumentsFolder() / "Vantora Projects";
    std::error_code error;
    return fs::is_directory(projects, error) ? projects : fs::path();
}

} // namespace vantora
