// Lexado: reads the command line, then starts up (the splash picture, the interface language,
// the check for another copy, the main window) and runs the main window until it ends. The
// font configuration, the library and the voices are read on threads of their own meanwhile.

#include "app/CommandLine.h"
#include "app/FontConfigWarmUp.h"
#include "app/ProgramFolder.h"
#include "app/TerminalCommand.h"
#include "app/ui/CLexadoApp.h"
#include "speech/Voices.h"

#include <QApplication>

#include <utility>

namespace {

// The window must stay above others and place itself, which Wayland allows no client; unless
// the user chose a platform, Lexado runs through XWayland.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

QStringList ArgumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before the application connects to a display, so that --help, --version, a refused
    // command line and the word-list commands are answered in a terminal without one.
    const CommandLine commandLine = ParseCommandLine(ArgumentList(argc, argv));
    if (const std::optional<int> exitCode = RunTerminalCommand(commandLine, argc, argv)) {
        return *exitCode;
    }
    // Started while the application connects to the display; the main window needs them.
    const std::jthread fontConfig = StartFontConfigWarmUp();
    LibraryPreload library =
        LibraryPreload::Start(ChooseProgramFolder(commandLine.home, RunningExecutableFolder()));
    StartLoadingVoices();
    PreferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexado"));
    QApplication::setApplicationVersion(QStringLiteral(LEXADO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    CLexadoApp lexado(commandLine, std::move(library));
    if (const std::optional<int> exitCode = lexado.InitInstance()) {
        return *exitCode;
    }
    return lexado.Run();
}
