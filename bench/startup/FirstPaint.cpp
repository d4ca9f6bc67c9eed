#include "bench/startup/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<const char*, double>>& Phases() {
    static std::vector<std::pair<const char*, double>> phases;
    return phases;
}

double Milliseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// $EPOCHREALTIME is seconds and microseconds around the locale's decimal separator; its digits
// alone are microseconds since the epoch.
std::optional<double> ExecTimeMs() {
    QByteArray digits;
    for (const char c : qgetenv("LEXADO_EXEC_TIME")) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    bool ok = false;
    const double microseconds = digits.toDouble(&ok);
    return ok ? std::optional<double>(microseconds / 1e3) : std::nullopt;
}

// Field 22 of /proc/self/stat, counted after the command name, which may hold spaces.
double ProcessStartMsSinceBoot() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const qsizetype startTimeField = 22 - 3; // the list starts at field 3
    if (fields.size() <= startTimeField) {
        return 0;
    }
    const double ticks = fields[startTimeField].toDouble();
    return ticks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

double MillisecondsSinceStart() {
    static const std::optional<double> execTime = ExecTimeMs();
    if (execTime) {
        return Milliseconds(CLOCK_REALTIME) - *execTime;
    }
    static const double processStart = ProcessStartMsSinceBoot();
    return Milliseconds(CLOCK_BOOTTIME) - processStart;
}

void MarkStartupPhase(const char* name) {
    Phases().emplace_back(name, MillisecondsSinceStart());
}

void ReportStartup() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    for (const auto& [name, ms] : Phases()) {
        std::printf("%s %.2f ", name, ms);
    }
    const auto cpuMs = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    std::printf("cpu-ms %.1f max-rss-kb %ld\n", cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime),
                usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

FirstPaintWatch::FirstPaintWatch(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
}

// The paint is let through first, so the time includes painting the window.
bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (painted_ || event->type() != QEvent::Paint) {
        return false;
    }
    painted_ = true;
    watched->event(event);
    MarkStartupPhase("paint");
    ReportStartup();
    return true;
}
