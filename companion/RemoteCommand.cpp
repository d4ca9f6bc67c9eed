#include "companion/RemoteCommand.h"

#include <QDir>

namespace {

struct NamedCommand {
    RemoteCommand command;
    const char* name;
};

constexpr NamedCommand kNames[] = {
    {RemoteCommand::Pause, "pause"},
    {RemoteCommand::Resume, "resume"},
    {RemoteCommand::TogglePause, "toggle-pause"},
    {RemoteCommand::Next, "next"},
    {RemoteCommand::Known, "known"},
    {RemoteCommand::Again, "again"},
    {RemoteCommand::Show, "show"},
    {RemoteCommand::Hide, "hide"},
    {RemoteCommand::Quit, "quit"},
    {RemoteCommand::Current, "current"},
};

} // namespace

const QList<RemoteCommand>& AllRemoteCommands() {
    static const QList<RemoteCommand> commands = [] {
        QList<RemoteCommand> list;
        for (const NamedCommand& named : kNames) {
            list << named.command;
        }
        return list;
    }();
    return commands;
}

QString RemoteCommandName(RemoteCommand command) {
    for (const NamedCommand& named : kNames) {
        if (named.command == command) {
            return QString::fromLatin1(named.name);
        }
    }
    return {};
}

std::optional<RemoteCommand> RemoteCommandNamed(QStringView name) {
    for (const NamedCommand& named : kNames) {
        if (name == QLatin1String(named.name)) {
            return named.command;
        }
    }
    return std::nullopt;
}

QByteArray EncodeRequest(RemoteCommand command) {
    return RemoteCommandName(command).toLatin1() + '\n';
}

QByteArray EncodeReply(const RemoteReply& reply) {
    return QByteArray::number(reply.exitCode) + '\n' + reply.text;
}

std::optional<RemoteReply> DecodeReply(QByteArrayView bytes) {
    const qsizetype end = bytes.indexOf('\n');
    bool isNumber = false;
    const int exitCode = end < 0 ? 0 : bytes.first(end).toInt(&isNumber);
    if (!isNumber) {
        return std::nullopt;
    }
    return RemoteReply{exitCode, bytes.sliced(end + 1).toByteArray()};
}

QString RemoteSocketPath(const QString& runtimeFolder) {
    return QDir(runtimeFolder).filePath(QStringLiteral("lexado.socket"));
}
