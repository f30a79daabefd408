#include "global_click_watcher.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <memory>

namespace vantora::grabbit {
namespace {

constexpr std::uint32_t kLeftButton = 1;

// xcb's replies and errors are malloc'ed and the caller frees them.
template <typename T>
struct XcbFree {
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using XcbPointer = std::unique_ptr<T, XcbFree<T>>;

} // namespace

GlobalClickWatcher::GlobalClickWatcher(QObject* parent) : QObject(parent) {}

GlobalClickWatcher::~GlobalClickWatcher() {
    if (installed_)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool GlobalClickWatcher::start(QString& error) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    connection_ = x11 ? x11->connection() : nullptr;
    if (!connection_) {
        error = QStringLiteral("Screen Capture needs an X11 display.");
        return false;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection_, &xcb_input_id);
    if (!extension || !extension->present) {
        error = QStringLiteral("The X11 display has no XInput extension, so clicks cannot be watched.");
        return false;
    }
    inputOpcode_ = extension->major_opcode;
    XcbPointer<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection_, xcb_input_xi_query_version(connection_, 2, 2), nullptr));
    if (!version || version->major_version < 2) {
        error = QStringLiteral("The X11 display has no XInput 2, so clicks cannot be watched.");
        return false;
    }
    // Raw events are delivered to the root window only, whoever has the pointer grabbed.
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
           XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS |
               XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    XcbPointer<xcb_generic_error_t> failed(
        xcb_request_check(connection_, xcb_input_xi_select_events_checked(connection_, root, 1, &mask.head)));
    if (failed) {
        error = QStringLiteral("The X11 display refused to report clicks (error %1).").arg(failed->error_code);
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    installed_ = true;
    return true;
}

bool GlobalClickWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
        return false;
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
    if (generic->extension != inputOpcode_)
        return false;
    if (generic->event_type == XCB_INPUT_RAW_KEY_PRESS || generic->event_type == XCB_INPUT_RAW_KEY_RELEASE) {
        const auto* key = static_cast<const xcb_input_raw_key_press_event_t*>(message);
        emit keyChanged(quint8(key->detail), generic->event_type == XCB_INPUT_RAW_KEY_PRESS);
        return false;
    }
    if (generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS)
        return false;
    const auto* press = static_cast<const xcb_input_raw_button_press_event_t*>(message);
    if (press->detail == kLeftButton)
        emit leftButtonPressed(press->time);
    return false; // watched, never taken: Qt and the application under the pointer see it as usual
}

} // namespace vantora::grabbit
