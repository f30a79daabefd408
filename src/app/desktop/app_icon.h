#pragma once
// The program's icon, drawn in code: the window icon at run time, and the PNG files of the desktop
// icon theme that the build writes with vantora-icon-generator.

#include <QIcon>
#include <QImage>

namespace vantora {

// The icon sizes written for the desktop's icon theme.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage DrawAppIcon(int size);
QIcon AppIcon();

} // namespace vantora
