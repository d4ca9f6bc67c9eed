#pragma once

#include "companion/RemoteCommand.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// What the command line asks for. Options are read before the program connects to a display,
// so that --help, --version and a refused command line work in a terminal without one.
struct CommandLine {
    std::optional<QString> home;     // --home DIR: the program folder
    std::optional<QString> language; // --language NAME: a language file name, as LanguageNames()
    bool help = false;               // --help, -h
    bool version = false;            // --version
    bool noSplash = false;           // --no-splash, and the switches /Embedding and /Automation
    QString error;                   // why the command line is refused; empty when it is not
    // --import FILE [--name NAME]: the word list to make a library of, and its name.
    std::optional<QString> importFile;
    std::optional<QString> libraryName;
    // --export NAME FILE: the library to write out, and the file it is written to.
    std::optional<QString> exportName;
    QString exportFile;
    // --stats [--library NAME]: the word memory's figures, of one library or of all.
    bool stats = false;
    std::optional<QString> statsLibrary;
    // --pause, --current and the like: a command for the copy already running.
    std::optional<RemoteCommand> remote;
};

// Reads the arguments, the program name first. An option that takes a value takes the next
// argument, or the text after "=" in "--home=DIR". An unknown option, a stray argument or a
// missing or empty value refuses the whole command line, as do --name without --import and
// --import together with --export, --library without --stats, --stats together with another
// command, and more than one command for the running copy or one
// together with --import or --export. Qt's own options that tools pass to any Qt program
// (-platform, -display, -style, -session, -reverse) are left to Qt.
CommandLine ParseCommandLine(const QStringList& arguments);

// Whether the command line is answered in the terminal and ends the program there, before any
// window: a refused one, --help, --version, --import, --export, --stats and the commands for the
// running copy.
bool AnsweredInTerminal(const CommandLine& commandLine);

// The answer to a command line that ends the program before any window: the usage for --help
// and the version for --version, in the interface language in use, or the reason for a refused
// command line (on `errors`). Returns the exit code then: 0, or 2 for a refused command line;
// nothing otherwise.
std::optional<int> AnswerCommandLine(const CommandLine& commandLine, QTextStream& out,
                                     QTextStream& errors);
