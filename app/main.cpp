// Lexado: start-up. Finds the program folder, refuses a second copy, and runs the main window
// until it ends.

#include "app/ProgramFolder.h"
#include "app/SingleCopy.h"
#include "controls/MessageBox.h"
#include "recitation/ui/CLexadoDlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace {

// The window must stay above others and place itself, which Wayland allows no client; unless
// the user chose a platform, Lexado runs through XWayland.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// --help and --version answer and end; every other argument but --home is ignored.
bool AnswersCommandLine(const QStringList& arguments) {
    QTextStream out(stdout);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        out << "Usage: lexado [--home DIR]\n"
               "A vocabulary trainer: shows the words of a library one after another.\n\n"
               "  --home DIR   keep settings, catalogue and libraries in DIR\n"
               "  --help       show this help\n"
               "  --version    show the version\n";
        return true;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        out << "Lexado " << QStringLiteral(LEXADO_VERSION) << "\n";
        return true;
    }
    return false;
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
    // Answered before the application connects to a display, so that they work in a terminal
    // without one.
    if (AnswersCommandLine(ArgumentList(argc, argv))) {
        return 0;
    }
    PreferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexado"));
    QApplication::setApplicationVersion(QStringLiteral(LEXADO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QApplication::arguments();

    const SingleCopy singleCopy(UserRuntimeFolder());
    if (!singleCopy.IsOnlyCopy()) {
        return 0;
    }

    const QString executableDir = QApplication::applicationDirPath();
    const QString resources = ResourceFolder(executableDir);
    const QString chosen = ChooseProgramFolder(arguments, executableDir);
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
