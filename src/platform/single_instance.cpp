#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QPointer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vantora {
namespace {

constexpr QByteArrayView kOpenPrefix = "open\t";
constexpr QByteArrayView kActivate = "activate";

QString UserId() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

QByteArray EncodeInstanceRequest(const QString& projectFile) {
    QByteArray line = projectFile.isEmpty() ? kActivate.toByteArray() : kOpenPrefix.toByteArray() + projectFile.toUtf8();
    // A path never holds a line break that would end the request early.
    line.replace('\n', ' ');
    return line + '\n';
}

std::optional<QString> DecodeInstanceRequest(const QByteArray& line) {
    if (line == kActivate)
        return QString();
    if (line.startsWith(kOpenPrefix))
        return QString::fromUtf8(line.mid(kOpenPrefix.size()));
    return std::nullopt;
}

SingleInstance::SingleInstance(QString serverName) : serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() { server_.close(); }

QString SingleInstance::ServerNameFor(const QString& programFolder) {
    const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("vantora-%1-%2").arg(UserId(), QString::fromLatin1(hash));
}

bool SingleInstance::handOver(const QString& projectFile, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(EncodeInstanceRequest(projectFile));
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

bool SingleInstance::listen(RequestHandler handler) {
    // Taking the name over from a live instance would leave two running: ask whether one answers.
    {
        QLocalSocket probe;
        probe.connectToServer(serverName_);
        if (probe.waitForConnected(200))
            return false;
    }
    handler_ = std::move(handler);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(serverName_)) {
        // A socket file left by an instance that ended without cleaning up: nobody answers on it.
        if (server_.serverError() != QAbstractSocket::AddressInUseError)
            return false;
        QLocalServer::removeServer(serverName_);
        if (!server_.listen(serverName_))
            return false;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { acceptConnections(); });
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        auto readRequest = [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf('\n');
            if (end < 0) {
                if (buffer->size() > kMaxInstanceRequestBytes)
                    socket->abort();
                return;
            }
            const std::optional<QString> request = DecodeInstanceRequest(buffer->left(end));
            buffer->clear();
            socket->disconnectFromServer();
            if (request && handler_)
                handler_(*request);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, readRequest);
        if (socket->bytesAvailable() > 0)
            readRequest();
    }
}

} // namespace vantora
