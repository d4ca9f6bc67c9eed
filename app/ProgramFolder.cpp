#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kCatalogueName = QStringLiteral("table.ini");

// Copies a sample file unless the folder already has one of that name; the copy is the
// user's to change, whatever the permissions of the installed original.
void CopySample(const QString& from, const QString& to) {
    if (QFile::exists(to) || !QFile::copy(from, to)) {
        return;
    }
    QFile(to).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

QString ChooseProgramFolder(const ProgramFolderSources& sources) {
    if (sources.home) {
        return QDir(*sources.home).absolutePath();
    }
    if (QFileInfo::exists(QDir(sources.executableDir).filePath(kCatalogueName))) {
        return sources.executableDir;
    }
    return sources.userDataFolder;
}

QString ChooseProgramFolder(const std::optional<QString>& home, const QString& executableDir) {
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/lexado");
    return ChooseProgramFolder({home, executableDir, userFolder});
}

QString RunningExecutableFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString ResourceFolder(const QString& executableDir) {
    const QDir beside(executableDir);
    if (beside.exists(QStringLiteral("language"))) {
        return beside.absolutePath();
    }
    return QDir::cleanPath(beside.filePath(QStringLiteral("../share/lexado")));
}

std::optional<QString> PrepareProgramFolder(const QString& folder, const QString& resourceFolder) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("data"))) {
        return std::nullopt;
    }
    if (!dir.exists(kCatalogueName)) {
        const QDir sample(QDir(resourceFolder).filePath(QStringLiteral("sample")));
        for (const QString& name : {QStringLiteral("data/TOEFL.dat"),
                                    QStringLiteral("data/New_Word.dat"), kCatalogueName}) {
            CopySample(sample.filePath(name), dir.filePath(name));
        }
    }
    return dir.absolutePath();
}
