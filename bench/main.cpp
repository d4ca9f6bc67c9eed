#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // The engine's timers need an application object, the dialogs one with widgets; they are
    // drawn off screen unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
