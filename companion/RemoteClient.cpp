#include "companion/RemoteClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace {

constexpr int kConnectMs = 1000;
// Quitting writes the settings before the copy answers.
constexpr int kAnswerMs = 10000;

} // namespace

RemoteReply SendRemoteCommand(const QString& runtimeFolder, RemoteCommand command) {
    const RemoteReply notRunning{1, "Lexado is not running\n"};
    QLocalSocket socket;
    socket.connectToServer(RemoteSocketPath(runtimeFolder));
    if (!socket.waitForConnected(kConnectMs)) {
        return notRunning;
    }
    socket.write(EncodeRequest(command));
    const QDeadlineTimer deadline(kAnswerMs);
    QByteArray answer;
    while (
        socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired() &&
        (socket.bytesAvailable() > 0 || socket.waitForReadyRead(int(deadline.remainingTime())))) {
        answer += socket.readAll();
    }
    answer += socket.readAll();
    return DecodeReply(answer).value_or(notRunning);
}
