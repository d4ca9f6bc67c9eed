#pragma once

#include "companion/RemoteCommand.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;

// Listens for commands from other programs on the socket in the user's runtime folder and
// hands each to the running copy. Only the user can connect: the socket and its folder are the
// user's own.
class RemoteServer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<RemoteReply(RemoteCommand)>;

    explicit RemoteServer(Handler handler, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Starts listening. Only the copy that holds the single-copy lock may call it: a socket
    // left by a copy that crashed is replaced. False when the socket cannot be made.
    bool Listen(const QString& runtimeFolder);

private:
    // A client's connection and what it has sent so far.
    struct Client {
        std::unique_ptr<QSocketNotifier> readable;
        QByteArray request;
    };

    void AcceptClients();
    void Read(int socket);
    void Answer(int socket, QByteArrayView line);
    void Drop(int socket);

    Handler handler_;
    QString path_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> waiting_;
    std::map<int, Client> clients_;
};
