#include "app/TerminalCommand.h"

#include "app/ProgramFolder.h"
#include "app/SingleCopy.h"
#include "app/StatsCommand.h"
#include "app/WordListCommands.h"
#include "companion/RemoteClient.h"
#include "strings/LanguageChoice.h"
#include "strings/LanguageSwitch.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>

std::optional<int> RunTerminalCommand(const CommandLine& commandLine, int& argc, char* argv[]) {
    if (!AnsweredInTerminal(commandLine)) {
        return std::nullopt;
    }
    QCoreApplication application(argc, argv);
    const QString resources = ResourceFolder(QCoreApplication::applicationDirPath());
    LanguageSwitch language(QDir(resources).filePath(QStringLiteral("language")));
    // Without any language file the texts are the program's own Chinese copy.
    language.LoadStartupLanguage(StartupLanguage(commandLine.language, QLocale::system()));

    QTextStream out(stdout);
    QTextStream errors(stderr);
    if (const std::optional<int> exitCode = AnswerCommandLine(commandLine, out, errors)) {
        return exitCode;
    }
    if (commandLine.remote) {
        const RemoteReply reply = SendRemoteCommand(UserRuntimeFolder(), *commandLine.remote);
        (reply.exitCode == 0 ? out : errors) << QString::fromUtf8(reply.text);
        return reply.exitCode;
    }
    if (const std::optional<int> exitCode = RunStatsCommand(commandLine, resources, out, errors)) {
        return exitCode;
    }
    return RunWordListCommand(commandLine, resources, out, errors);
}
