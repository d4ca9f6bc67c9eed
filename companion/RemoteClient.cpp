#include "companion/RemoteClient.h"

#include "companion/LocalSocket.h"

#include <QDeadlineTimer>

#include <unistd.h>

namespace {

constexpr int kConnectMs = 1000;
// Quitting writes the settings before the copy answers.
constexpr int kAnswerMs = 10000;

} // namespace

RemoteReply SendRemoteCommand(const QString& runtimeFolder, RemoteCommand command) {
    const RemoteReply notRunning{1, "Lexado is not running\n"};
    const int socket = ConnectTo(RemoteSocketPath(runtimeFolder), QDeadlineTimer(kConnectMs));
    if (socket < 0) {
        return notRunning;
    }
    QByteArray answer;
    if (WriteAll(socket, EncodeRequest(command))) {
        answer = ReadUntilClosed(socket, QDeadlineTimer(kAnswerMs));
    }
    close(socket);
    return DecodeReply(answer).value_or(notRunning);
}
