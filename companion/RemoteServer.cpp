#include "companion/RemoteServer.h"

#include <QLocalSocket>

#include <utility>

namespace {

// The longest request there is, with room to spare; a client sending more is not one of ours.
constexpr qsizetype kLongestRequest = 64;

} // namespace

RemoteServer::RemoteServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
}

bool RemoteServer::Listen(const QString& runtimeFolder) {
    const QString path = RemoteSocketPath(runtimeFolder);
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void RemoteServer::Answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestRequest) {
            socket->abort();
        }
        return;
    }
    const QByteArray name = socket->readLine(kLongestRequest).trimmed();
    const std::optional<RemoteCommand> command = RemoteCommandNamed(QString::fromLatin1(name));
    const RemoteReply reply = command ? handler_(*command) : RemoteReply{2, "unknown command\n"};
    socket->write(EncodeReply(reply));
    socket->flush();
    socket->disconnectFromServer();
}
