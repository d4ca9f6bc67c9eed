#pragma once

#include <QObject>

class QWidget;

// Start-up timing for the window benchmarks. Times are milliseconds since the program was
// started: since the moment in LEXADO_EXEC_TIME (bash's $EPOCHREALTIME read just before the
// exec, so dynamic loading and static initialisation count), or, without it, since the kernel
// created the process (/proc/self/stat, to the clock tick).
double MillisecondsSinceStart();

// Notes a named moment of the start-up, reported with the first paint.
void MarkStartupPhase(const char* name);

// Prints one line on standard output, "main <ms> ... paint <ms> cpu-ms <ms> max-rss-kb <kB>"
// (the noted moments, the processor time and the peak resident memory so far), and ends the
// event loop.
void ReportStartup();

// Waits for the first paint of a window. Once that paint is done it notes the moment as "paint"
// and reports (ReportStartup).
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};
