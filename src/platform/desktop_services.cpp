#include "platform/desktop_services.h"

#include <QDesktopServices>

namespace vantora {
namespace {

class QtDesktopServices final : public DesktopServices {
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

DesktopServices& DefaultDesktopServices() {
    static QtDesktopServices services;
    return services;
}

} // namespace vantora
