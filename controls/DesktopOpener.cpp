#include "controls/DesktopOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
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

std::optional<int> OpenWithXdgOpen(const QString& target) {
    // Not owned by anyone: a handler still running when it is left behind runs on after the
    // window that asked for it has gone.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(QStringLiteral("xdg-open"), {target});
    if (!process->waitForFinished(kHandlerReportMs)) {
        if (process->state() == QProcess::NotRunning) { // xdg-open is not installed
            delete process;
            return OpenError::NoAssociation;
        }
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

std::optional<int> OpenWithDesktop(const QString& target) {
    if (target.isEmpty()) {
        return OpenError::FileNotFound;
    }
    const QUrl url = TargetUrl(target);
    if (const std::optional<int> missing = MissingFile(url)) {
        return missing;
    }
    if (QDesktopServices::openUrl(url)) {
        return std::nullopt;
    }
    return OpenWithXdgOpen(target);
}
