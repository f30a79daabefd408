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

// The program icon, drawn at the usual sizes.
QIcon ProgramIcon();

inline constexpr const char* kMakerName = "The Vantora Team";
inline constexpr const char* kHomePage = "https://vantora.example/";
inline constexpr const char* kSupportMail = "support@vantora.example";
inline constexpr const char* kSalesMail = "sales@vantora.example";

} // namespace vantora
