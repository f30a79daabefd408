#pragma once
// The fixed texts of the main window's questions and notices, and the addresses of its Help menu.

#include <QString>

namespace vantora {

inline const QString kProgramTitle = QStringLiteral("Vantora");
inline const QString kSaveChangesQuestion = QStringLiteral("Save changes to file?");
inline const QString kConfirmCaption = QStringLiteral("Confirm");
inline const QString kExitCaption = QStringLiteral("Exit");
inline const QString kOpenCaption = QStringLiteral("Open");
inline const QString kFileNotFound = QStringLiteral("File can not be found.");
inline const QString kProjectsFolderName = QStringLiteral("Vantora Projects");
inline const QString kHelpFileName = QStringLiteral("Vantora.chm");
inline const QString kHelpCaption = QStringLiteral("Vantora Help");
inline const QString kHelpMissing =
    QStringLiteral("The manual was not found. It is installed with Vantora, in share/vantora/manual.");
inline const QString kSupportAddress = QStringLiteral("support@vantora.app");
inline const QString kHomePage = QStringLiteral("https://vantora.app");
inline const QString kSaveProjectLabel = QStringLiteral("Save Project");
inline const QString kLoadProjectLabel = QStringLiteral("Load Project");

} // namespace vantora
