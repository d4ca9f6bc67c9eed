#include "companion/RemoteServer.h"

#include "companion/LocalSocket.h"

#include <QFile>
#include <QSocketNotifier>

#include <unistd.h>
#include <utility>

namespace {

// The longest request there is, with room to spare; a client sending more is not one of ours.
constexpr qsizetype kLongestRequest = 64;

} // namespace

RemoteServer::RemoteServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

// The socket file goes with the server, as another copy would replace it anyway.
RemoteServer::~RemoteServer() {
    for (const auto& [socket, client] : clients_) {
        close(socket);
    }
    if (listener_ >= 0) {
        close(listener_);
        QFile::remove(path_);
    }
}

bool RemoteServer::Listen(const QString& runtimeFolder) {
    path_ = RemoteSocketPath(runtimeFolder);
    listener_ = ListenAt(path_);
    if (listener_ < 0) {
        return false;
    }
    waiting_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(waiting_.get(), &QSocketNotifier::activated, this, &RemoteServer::AcceptClients);
    return true;
}

void RemoteServer::AcceptClients() {
    for (int socket = AcceptWaiting(listener_); socket >= 0; socket = AcceptWaiting(listener_)) {
        Client& client = clients_[socket];
        client.readable = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        connect(client.readable.get(), &QSocketNotifier::activated, this,
                [this, socket] { Read(socket); });
    }
}

// A request is one line; a client that closes before it ends its line, or sends more than a
// request's length without one, is let go unanswered.
void RemoteServer::Read(int socket) {
    QByteArray& request = clients_[socket].request;
    char buffer[kLongestRequest + 1];
    const ssize_t count = read(socket, buffer, sizeof(buffer));
    if (count <= 0) {
        Drop(socket);
        return;
    }
    request.append(buffer, count);
    const qsizetype end = request.indexOf('\n');
    if (end >= 0 && end <= kLongestRequest) {
        Answer(socket, QByteArrayView(request).first(end));
    } else if (end >= 0 || request.size() > kLongestRequest) {
        Drop(socket);
    }
}

void RemoteServer::Answer(int socket, QByteArrayView line) {
    const std::optional<RemoteCommand> command =
        RemoteCommandNamed(QString::fromLatin1(line.trimmed()));
    const RemoteReply reply = command ? handler_(*command) : RemoteReply{2, "unknown command\n"};
    WriteAll(socket, EncodeReply(reply));
    Drop(socket);
}

// The notifier goes once it has done with the signal that may have brought us here.
void RemoteServer::Drop(int socket) {
    const auto client = clients_.find(socket);
    client->second.readable->setEnabled(false);
    client->second.readable.release()->deleteLater();
    clients_.erase(client);
    close(socket);
}
