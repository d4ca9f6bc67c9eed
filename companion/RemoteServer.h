#pragma once

#include "companion/RemoteCommand.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;

// Listens for commands from other programs on the socket in the user's runtime folder and
// hands each to the running copy. Only the user can connect: the socket and its folder are the
// user's own.
class RemoteServer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<RemoteReply(RemoteCommand)>;

    explicit RemoteServer(Handler handler, QObject* parent = nullptr);

    // Starts listening. Only the copy that holds the single-copy lock may call it: a socket
    // left by a copy that crashed is replaced. False when the socket cannot be made.
    bool Listen(const QString& runtimeFolder);

private:
    void Answer(QLocalSocket* socket);

    Handler handler_;
    QLocalServer server_;
};
