#pragma once
// Opening documents, web pages and mail addresses with the desktop's own programs, behind an
// interface so that tests see what would have been opened.

#include <QUrl>

namespace vantora {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // False when the desktop could not open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

DesktopServices& DefaultDesktopServices();

} // namespace vantora
