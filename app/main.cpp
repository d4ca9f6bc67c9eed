// Lexado: start-up. Finds the program folder, refuses a second copy, and runs the main window
// until it ends.

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "app/SingleCopy.h"
#include "controls/MessageBox.h"
#include "recitation/ui/CLexadoDlg.h"
#include "speech/Voices.h"

#include <QApplication>
#include <QTextStream>

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
    // Read before the application connects to a display, so that --help, --version and a
    // refused command line are answered in a terminal without one.
    const CommandLine commandLine = ParseCommandLine(ArgumentList(argc, argv));
    QTextStream out(stdout);
    QTextStream errors(stderr);
    if (const std::optional<int> exitCode = AnswerCommandLine(commandLine, out, errors)) {
        return *exitCode;
    }
    StartLoadingVoices();
    PreferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexado"));
    QApplication::setApplicationVersion(QStringLiteral(LEXADO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    const SingleCopy singleCopy(UserRuntimeFolder());
    if (!singleCopy.IsOnlyCopy()) {
        return 0;
    }

    const QString executableDir = QApplication::applicationDirPath();
    const QString resources = ResourceFolder(executableDir);
    const QString chosen = ChooseProgramFolder(commandLine.home, executableDir);
    const std::optional<QString> programFolder = PrepareProgramFolder(chosen, resources);
    if (!programFolder) {
        ShowMessage(nullptr, QStringLiteral("Cannot create the folder %1").arg(chosen));
        return 1;
    }

    CLexadoDlg window(*programFolder, resources);
    QObject::connect(&window, &CLexadoDlg::finished, &app, &QApplication::exit);
    window.show();
    return QApplication::exec();
}
