#pragma once

#include <QString>

#include <optional>

// Where the program keeps its files, found in this order:
// 1. the folder named by "--home DIR" on the command line;
// 2. the executable's own folder when it holds a table.ini: a portable copy;
// 3. the user's data folder for the program ($XDG_DATA_HOME/lexado).
// The folder holds Lexado.ini, table.ini and data/.
struct ProgramFolderSources {
    std::optional<QString> home; // the folder named on the command line
    QString executableDir;       // the folder of the running executable
    QString userDataFolder;      // $XDG_DATA_HOME/lexado, normally ~/.local/share/lexado
};

QString ChooseProgramFolder(const ProgramFolderSources& sources);

// The same choice for the running program: the folder its command line names, its own folder
// and the user's data folder of this system.
QString ChooseProgramFolder(const std::optional<QString>& home, const QString& executableDir);

// The folder of the running executable, found before the application object exists.
QString RunningExecutableFolder();

// The folder of the read-only resources (language files, the phonetic font, help pages,
// sample data): beside the executable in the build tree, share/lexado when installed.
QString ResourceFolder(const QString& executableDir);

// Makes sure the program folder and its data/ exist. A folder without a table.ini is a first
// start: it receives the sample catalogue, the TOEFL library and an empty new-word book from
// <resources>/sample, each only where no file of that name is there yet. Nothing when the
// folder cannot be made.
std::optional<QString> PrepareProgramFolder(const QString& folder, const QString& resourceFolder);
