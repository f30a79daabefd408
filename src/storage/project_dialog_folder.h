#pragma once
// The folder the "Open..." and "Save As..." dialogs start in.

#include <filesystem>

namespace vantora {

// The user's documents folder: XDG_DOCUMENTS_DIR when it is an absolute path, else ~/Documents.
std::filesystem::path DocumentsFolder();

// The folder of `currentFile` when there is one; otherwise "Vantora Projects" in the documents
// folder when that folder exists; otherwise empty (the dialog's own default).
std::filesystem::path ProjectDialogFolder(const std::filesystem::path& currentFile);

} // namespace vantora
