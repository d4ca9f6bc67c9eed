#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What another program can ask of the running copy, through `lexado --pause` and the like.
enum class RemoteCommand {
    Pause,
    Resume,
    TogglePause,
    Next,
    Known,
    Again,
    Show,
    Hide,
    Quit,
    Current, // the entry on show, as one line
};

const QList<RemoteCommand>& AllRemoteCommands();

// Its name on the command line without the dashes, and on the socket: "toggle-pause".
QString RemoteCommandName(RemoteCommand command);
std::optional<RemoteCommand> RemoteCommandNamed(QStringView name);

// The running copy's answer: the exit code of the sending program and the text it prints, on
// standard output for 0 and on standard error otherwise.
struct RemoteReply {
    int exitCode = 0;
    QByteArray text;
    bool operator==(const RemoteReply&) const = default;
};

// On the socket a request is the command's name and a line feed; the reply is its exit code, a
// line feed and the text, and the copy closes the connection after it.
QByteArray EncodeRequest(RemoteCommand command);
QByteArray EncodeReply(const RemoteReply& reply);
std::optional<RemoteReply> DecodeReply(QByteArrayView bytes);

// The socket lives in the user's runtime folder, beside the single-copy lock.
QString RemoteSocketPath(const QString& runtimeFolder);
