#include "app/CommandLine.h"

#include "app/SplashOption.h"
#include "strings/LanguageChoice.h"
#include "strings/StringTable.h"

#include <QList>
#include <QTextStream>

#include <algorithm>

namespace {

using Apply = void (*)(CommandLine&, const QStringList& values);

struct Option {
    QString name;                 // as typed, "--home"
    QStringList values;           // the names of the values it takes, for the usage text
    std::optional<StringId> help; // its line in the usage text; nothing for one not listed
    Apply apply;                  // nothing for Qt's own options, which Qt reads itself
    std::optional<RemoteCommand> remote = {}; // the command it sends to the running copy
};

// A command for the running copy; the option is its name after two dashes. A second one
// refuses the command line, since one program sends one command.
Option RemoteOption(RemoteCommand command, StringId help) {
    return {QStringLiteral("--") + RemoteCommandName(command), {}, help, nullptr, command};
}

// Every option the program accepts, one a line.
const QList<Option>& Options() {
    static const QList<Option> options{
        {"--home",
         {"DIR"},
         StringId::UsageHome,
         [](CommandLine& c, const QStringList& v) { c.home = v[0]; }},
        {"--import",
         {"FILE"},
         StringId::UsageImport,
         [](CommandLine& c, const QStringList& v) { c.importFile = v[0]; }},
        {"--name",
         {"NAME"},
         StringId::UsageName,
         [](CommandLine& c, const QStringList& v) { c.libraryName = v[0]; }},
        {"--export",
         {"NAME", "FILE"},
         StringId::UsageExport,
         [](CommandLine& c, const QStringList& v) {
             c.exportName = v[0];
             c.exportFile = v[1];
         }},
        {"--stats",
         {},
         StringId::UsageStats,
         [](CommandLine& c, const QStringList&) { c.stats = true; }},
        {"--library",
         {"NAME"},
         StringId::UsageLibrary,
         [](CommandLine& c, const QStringList& v) { c.statsLibrary = v[0]; }},
        {"--language",
         {"NAME"},
         StringId::UsageLanguage,
         [](CommandLine& c, const QStringList& v) {
             c.language = LanguageFromOption(v[0]);
             if (!c.language) {
                 c.error = QStringLiteral("unknown language '%1'").arg(v[0]);
             }
         }},
        {"--no-splash",
         {},
         StringId::UsageNoSplash,
         [](CommandLine& c, const QStringList&) { c.noSplash = true; }},
        {"--help",
         {},
         StringId::UsageHelp,
         [](CommandLine& c, const QStringList&) { c.help = true; }},
        {"-h", {}, {}, [](CommandLine& c, const QStringList&) { c.help = true; }},
        {"--version",
         {},
         StringId::UsageVersion,
         [](CommandLine& c, const QStringList&) { c.version = true; }},
        RemoteOption(RemoteCommand::Pause, StringId::UsagePause),
        RemoteOption(RemoteCommand::Resume, StringId::UsageResume),
        RemoteOption(RemoteCommand::TogglePause, StringId::UsageTogglePause),
        RemoteOption(RemoteCommand::Next, StringId::UsageNext),
        RemoteOption(RemoteCommand::Known, StringId::UsageKnown),
        RemoteOption(RemoteCommand::Again, StringId::UsageAgain),
        RemoteOption(RemoteCommand::Show, StringId::UsageShow),
        RemoteOption(RemoteCommand::Hide, StringId::UsageHide),
        RemoteOption(RemoteCommand::Quit, StringId::UsageQuit),
        RemoteOption(RemoteCommand::Current, StringId::UsageCurrent),
        {"-platform", {"NAME"}, {}, nullptr},
        {"-display", {"NAME"}, {}, nullptr},
        {"-style", {"NAME"}, {}, nullptr},
        {"-session", {"ID"}, {}, nullptr},
        {"-reverse", {}, {}, nullptr},
    };
    return options;
}

const Option* FindOption(QStringView name) {
    for (const Option& option : Options()) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

QString Synopsis(const Option& option) {
    return (QStringList{option.name} + option.values).join(u' ');
}

// The options in two columns, the second two spaces beyond the widest of the first; a help text
// of more than one line keeps to the second column.
QString UsageText() {
    qsizetype width = 0;
    for (const Option& option : Options()) {
        if (option.help) {
            width = std::max(width, Synopsis(option).size() + 1);
        }
    }
    const QString indent = QStringLiteral("\n") + QString(width + 3, u' ');
    QString text = StringText(StringId::UsageHeading) + QStringLiteral("\n\n");
    for (const Option& option : Options()) {
        if (option.help) {
            const QString help = StringText(*option.help).replace(u'\n', indent);
            text += QStringLiteral("  %1 %2\n").arg(Synopsis(option), -int(width)).arg(help);
        }
    }
    return text;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine commandLine;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsEmbeddingSwitch(argument)) {
            commandLine.noSplash = true;
            continue;
        }
        const qsizetype equals = argument.startsWith(u"--") ? argument.indexOf(u'=') : -1;
        const QString name = equals < 0 ? argument : argument.first(equals);
        const Option* option = FindOption(name);
        if (!option) {
            commandLine.error = argument.startsWith(u'-')
                                    ? QStringLiteral("unknown option '%1'").arg(name)
                                    : QStringLiteral("unexpected argument '%1'").arg(argument);
            return commandLine;
        }
        QStringList values;
        if (equals >= 0) {
            values << argument.sliced(equals + 1);
        } else {
            values = arguments.mid(i + 1, option->values.size());
            i += values.size();
        }
        if (values.size() != option->values.size() || values.contains(QString())) {
            commandLine.error =
                option->values.isEmpty()
                    ? QStringLiteral("option '%1' takes no value").arg(name)
                    : QStringLiteral("option '%1' needs a value: %2").arg(name, Synopsis(*option));
            return commandLine;
        }
        if (option->remote) {
            if (commandLine.remote) {
                commandLine.error = QStringLiteral("only one command can be sent at a time");
                return commandLine;
            }
            commandLine.remote = option->remote;
        } else if (option->apply) {
            option->apply(commandLine, values);
        }
    }
    if (commandLine.libraryName && !commandLine.importFile) {
        commandLine.error = QStringLiteral("option '--name' goes with --import FILE");
    } else if (commandLine.importFile && commandLine.exportName) {
        commandLine.error = QStringLiteral("options '--import' and '--export' cannot be combined");
    } else if (commandLine.statsLibrary && !commandLine.stats) {
        commandLine.error = QStringLiteral("option '--library' goes with --stats");
    } else if (commandLine.stats &&
               (commandLine.importFile || commandLine.exportName || commandLine.remote)) {
        commandLine.error =
            QStringLiteral("option '--stats' cannot be combined with another command");
    } else if (commandLine.remote && (commandLine.importFile || commandLine.exportName)) {
        commandLine.error = QStringLiteral("option '--%1' cannot be combined with '--import' or "
                                           "'--export'")
                                .arg(RemoteCommandName(*commandLine.remote));
    }
    return commandLine;
}

bool AnsweredInTerminal(const CommandLine& commandLine) {
    return !commandLine.error.isEmpty() || commandLine.help || commandLine.version ||
           commandLine.importFile || commandLine.exportName || commandLine.stats ||
           commandLine.remote;
}

std::optional<int> AnswerCommandLine(const CommandLine& commandLine, QTextStream& out,
                                     QTextStream& errors) {
    if (!commandLine.error.isEmpty()) {
        errors << "lexado: " << commandLine.error << "\n"
               << "Try 'lexado --help' for more information.\n";
        return 2;
    }
    if (commandLine.help) {
        out << UsageText();
        return 0;
    }
    if (commandLine.version) {
        out << StringText(StringId::AboutVersion) << "\n";
        return 0;
    }
    return std::nullopt;
}
