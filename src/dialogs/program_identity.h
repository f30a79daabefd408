#pragma once
// Who the program is: its title, file version, icon, maker and addresses, as the start-up windows
// and the About box show them.

#include <QIcon>
#include <QString>

namespace vantora {

// The application title (the application's display name; "Vantora" before one is set).
QString ApplicationTitle();

// The program's file version from the build, four numbers: "0.1.0.0".
QString ProgramFileVersion();

// The program icon: the application's window icon, or a drawing of it at the usual sizes.
QIcon ProgramIcon();

inline constexpr const char* kMakerName = "The Vantora Team";
inline constexpr const char* kMakerHomePage = "https://vantora.app";
inline constexpr const char* kMakerSupportMail = "support@vantora.app";
inline constexpr const char* kMakerSalesMail = "sales@vantora.app";

} // namespace vantora
