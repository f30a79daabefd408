#pragma once
// Left-button presses and key presses and releases anywhere on the X11 screen, seen through
// XInput2 raw events on the root window. Raw events are copies: the application under the pointer
// still gets its click, and the focused one its keys.

#include <QAbstractNativeEventFilter>
#include <QtGlobal>
#include <QObject>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

namespace vantora::grabbit {

class GlobalClickWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit GlobalClickWatcher(QObject* parent = nullptr);
    ~GlobalClickWatcher() override;

    // Starts watching on the application's X11 connection. False, with a reason, when there is no
    // X11 connection or the server lacks XInput 2.
    bool start(QString& error);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // The connection it watches, once started.
    xcb_connection_t* connection() const { return connection_; }

signals:
    // A left button went down somewhere at the server's `time`; where the pointer is tells where.
    void leftButtonPressed(quint32 time);
    // A key went down or up (an X11 key code), in the order the server saw it.
    void keyChanged(quint8 keycode, bool down);

private:
    xcb_connection_t* connection_ = nullptr;
    std::uint8_t inputOpcode_ = 0;
    bool installed_ = false;
};

} // namespace vantora::grabbit
