#pragma once
// SIGTERM as a close request: the editor's restore hook ends a running capture this way, and the
// tool then saves its shots as "Finish" does. The signal handler only writes a byte to a socket;
// the event loop reads it and emits `requested` in the ordinary way.

#include <QObject>

class QSocketNotifier;

namespace vantora::grabbit {

class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void requested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vantora::grabbit
