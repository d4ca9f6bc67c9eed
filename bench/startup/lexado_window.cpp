// Lexado's start-up as the program does it (app/main.cpp), up to the first paint of the main
// window: prints the start-up times and the peak memory then, and ends. Lives beside the
// program so that it finds the resources as the program does. Usage: lexado_window --home DIR

#include "bench/startup/FirstPaint.h"

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "app/SingleCopy.h"
#include "recitation/ui/CLexadoDlg.h"
#include "speech/Voices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    MarkStartupPhase("main");
    StartLoadingVoices();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexado"));
    QApplication::setQuitOnLastWindowClosed(false);
    MarkStartupPhase("app");

    const SingleCopy singleCopy(UserRuntimeFolder());
    if (!singleCopy.IsOnlyCopy()) {
        std::fputs("lexado_window: another copy of Lexado is running\n", stderr);
        return 1;
    }
    const QString executableDir = QApplication::applicationDirPath();
    const QString resources = ResourceFolder(executableDir);
    const CommandLine commandLine = ParseCommandLine(QApplication::arguments());
    const QString chosen = ChooseProgramFolder(commandLine.home, executableDir);
    const std::optional<QString> programFolder = PrepareProgramFolder(chosen, resources);
    if (!programFolder) {
        std::fputs("lexado_window: cannot create the program folder\n", stderr);
        return 1;
    }

    CLexadoDlg window(*programFolder, resources);
    new FirstPaintWatch(&window);
    MarkStartupPhase("window");
    window.show();
    MarkStartupPhase("show");
    return QApplication::exec();
}
