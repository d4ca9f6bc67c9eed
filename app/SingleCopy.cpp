#include "app/SingleCopy.h"

#include <QDir>
#include <QStandardPaths>

QString UserRuntimeFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        return runtime;
    }
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
           QStringLiteral("/lexado-") + qEnvironmentVariable("USER");
}

SingleCopy::SingleCopy(const QString& runtimeFolder) {
    QDir().mkpath(runtimeFolder);
    lock_ =
        std::make_unique<QLockFile>(QDir(runtimeFolder).filePath(QStringLiteral("lexado.lock")));
    // Only a lock whose process is gone is stale: one left by a crashed copy is taken over at
    // once, and a copy running all day keeps its lock however old it is.
    lock_->setStaleLockTime(0);
    held_ = lock_->tryLock(0);
}
