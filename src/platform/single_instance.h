#pragma once
// One running editor per user and program folder. The first start listens on a local socket; a
// later start hands its command line (the project to open, if any) to it and ends.

#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace vantora {

class SingleInstance {
public:
    // Called in the running instance for every later start; `projectFile` is empty when the later
    // start named none.
    using RequestHandler = std::function<void(const QString& projectFile)>;

    explicit SingleInstance(QString serverName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // A later start: passes `projectFile` (made absolute by the caller) to the running instance.
    // True when an instance took it; false when none runs. Waits at most `timeoutMs` in total.
    bool handOver(const QString& projectFile, int timeoutMs = 500) const;

    // The first start: takes the name (removing a socket a crashed instance left behind) and calls
    // `handler` from the event loop for each later start. False when the name cannot be taken.
    bool listen(RequestHandler handler);

    const QString& serverName() const { return serverName_; }

    // "vantora-<user id>-<hash of the program folder>": different users and different program
    // folders (tests use their own) never meet.
    static QString ServerNameFor(const QString& programFolder);

private:
    void acceptConnections();

    QString serverName_;
    QLocalServer server_;
    RequestHandler handler_;
};

// The wire format of a request: "open\t<path>\n", or "activate\n" without a project.
QByteArray EncodeInstanceRequest(const QString& projectFile);
// Decodes one request line (without its line break); nothing when the line is not a request.
std::optional<QString> DecodeInstanceRequest(const QByteArray& line);

// Longest request line accepted; longer input is dropped with its connection.
inline constexpr qsizetype kMaxInstanceRequestBytes = 64 * 1024;

} // namespace vantora
