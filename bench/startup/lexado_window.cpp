// Lexado's start-up as the program does it (CLexadoApp), up to the first paint of the main
// window: notes the first paint of the splash picture on the way, prints the start-up times
// and the peak memory at the main window's paint, and ends. Lives beside the program so that
// it finds the resources as the program does. Usage: lexado_window --home DIR

#include "bench/startup/FirstPaint.h"

#include "app/CommandLine.h"
#include "app/FontConfigWarmUp.h"
#include "app/ProgramFolder.h"
#include "app/ui/CLexadoApp.h"
#include "controls/CSplashPicture.h"
#include "recitation/ui/CLexadoDlg.h"
#include "speech/Voices.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <utility>

namespace {

// Sees every paint of the program; each is let through first, so the times include painting.
class StartupPaints : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        if (!splashPainted_ && qobject_cast<CSplashPicture*>(watched)) {
            splashPainted_ = true;
            watched->event(event);
            MarkStartupPhase("splash");
            return true;
        }
        if (!windowPainted_ && qobject_cast<CLexadoDlg*>(watched)) {
            windowPainted_ = true;
            watched->event(event);
            MarkStartupPhase("paint");
            ReportStartup();
            return true;
        }
        return false;
    }

private:
    bool splashPainted_ = false;
    bool windowPainted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    MarkStartupPhase("main");
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine commandLine = ParseCommandLine(arguments);
    const std::jthread fontConfig = StartFontConfigWarmUp();
    LibraryPreload library =
        LibraryPreload::Start(ChooseProgramFolder(commandLine.home, RunningExecutableFolder()));
    StartLoadingVoices();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexado"));
    QApplication::setQuitOnLastWindowClosed(false);
    MarkStartupPhase("app");

    StartupPaints paints;
    QApplication::instance()->installEventFilter(&paints);
    CLexadoApp lexado(std::move(commandLine), std::move(library));
    if (lexado.InitInstance()) {
        std::fputs("lexado_window: Lexado did not start (another copy runs?)\n", stderr);
        return 1;
    }
    MarkStartupPhase("show");
    return lexado.Run();
}
