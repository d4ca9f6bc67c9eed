#include "controls/DesktopOpener.h"

#include "controls/BusyWork.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

// How long xdg-open may take to report on the handler it starts. Some handlers it runs in the
// foreground and waits for; one still running by then has opened the target.
constexpr int kHandlerReportMs = 3000;

QUrl TargetUrl(const QString& target) {
    const QUrl url(target);
    return url.scheme().isEmpty() ? QUrl::fromLocalFile(target) : url;
}

std::optional<int> MissingFile(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QFileInfo file(url.toLocalFile());
    if (file.exists()) {
        return std::nullopt;
    }
    return file.dir().exists() ? OpenError::FileNotFound : OpenError::PathNotFound;
}

// xdg-open's exit codes, as the nearest reasons.
int XdgOpenError(int exitCode) {
    switch (exitCode) {
    case 2: // the file does not exist
        return OpenError::FileNotFound;
    case 3: // no handler, no browser
        return OpenError::NoAssociation;
    case 4: // the handler failed
        return OpenError::AssociationInvalid;
    case 5: // the file cannot be read
        return OpenError::AccessDenied;
    default:
        return exitCode;
    }
}

// Waits until xdg-open ends or its time to report is up, with the window busy and the
// program's windows painting meanwhile. True when it ended.
bool WaitForReport(QProcess& process, QWidget* window) {
    const BusyWindow busy(window);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kHandlerReportMs, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    return process.state() == QProcess::NotRunning;
}

std::optional<int> OpenWithXdgOpen(const QString& target, QWidget* window) {
    // Not owned by anyone: a handler still running when it is left behind runs on after the
    // window that asked for it has gone.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QStringLiteral("xdg-open"), {target});
    if (!process->waitForStarted()) {
        delete process;
        return OpenError::NoAssociation;
    }
    if (!WaitForReport(*process, window)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return std::nullopt;
    }
    std::optional<int> error;
    if (process->exitStatus() != QProcess::NormalExit) {
        error = OpenError::AssociationInvalid;
    } else if (process->exitCode() != 0) {
        error = XdgOpenError(process->exitCode());
    }
    delete process;
    return error;
}

} // namespace

std::optional<int> OpenWithDesktop(const QString& target, QWidget* window) {
    if (target.isEmpty()) {
        return OpenError::FileNotFound;
    }
    const QUrl url = TargetUrl(target);
    if (const std::optional<int> missing = MissingFile(url)) {
        return missing;
    }
    // Qt's own way says yes as soon as it has handed the target on, whether a handler took it
    // or not; xdg-open's exit code tells. Only without xdg-open is Qt's word taken.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return QDesktopServices::openUrl(url) ? std::nullopt
                                              : std::optional<int>(OpenError::NoAssociation);
    }
    return OpenWithXdgOpen(target, window);
}
