#include "library/StagedLibraryFile.h"

#include "library/DataFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kStagedPrefix = QStringLiteral(".import-");

// The permissions of a library file written anew: the owner writes, everyone reads.
constexpr QFile::Permissions kLibraryPermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool Stat(const QString& path, struct stat& status) {
    return ::stat(QFile::encodeName(path).constData(), &status) == 0;
}

// Whether a running import still holds the staged file: its lock cannot be taken then.
bool HeldByImport(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return true; // gone meanwhile, or not ours to judge
    }
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

bool ListsFile(const LibraryCatalogue& catalogue, const QString& file) {
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (SplitCatalogueEntry(catalogue.at(i)).file == file.toUtf8()) {
            return true;
        }
    }
    return false;
}

// The library file of data/ that is the staged file under its final name, when the import
// got so far.
void RemoveUnlistedLink(const QDir& data, const struct stat& staged,
                        const LibraryCatalogue& catalogue) {
    for (const QString& name : data.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        struct stat status {};
        if (Stat(data.filePath(name), status) && SameFile(status, staged) &&
            !ListsFile(catalogue, name)) {
            QFile::remove(data.filePath(name));
        }
    }
}

} // namespace

StagedLibraryFile::StagedLibraryFile(const QString& programFolder)
    : template_(DataFolderPath(programFolder) + u'/' + kStagedPrefix + QStringLiteral("XXXXXX")) {}

// Qt makes a temporary file without a name where it can, and gives it its name when asked for
// it: asked at once here, since the name is what tells of an unfinished import. The lock is
// taken just after, so that another import undoing a killed one might remove the file in
// between: it is then made anew.
bool StagedLibraryFile::Create() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        file_.emplace(template_);
        struct stat status {};
        if (!file_->open() || file_->fileName().isEmpty() ||
            ::flock(file_->handle(), LOCK_EX) != 0 || ::fstat(file_->handle(), &status) != 0) {
            return false;
        }
        if (status.st_nlink > 0) {
            return true;
        }
    }
    return false;
}

bool StagedLibraryFile::Write(const QByteArray& text) {
    return Create() && file_->setPermissions(kLibraryPermissions) &&
           file_->write(text) == text.size() && file_->flush() && ::fsync(file_->handle()) == 0;
}

// A link, unlike a rename, fails when the name is taken, and keeps the temporary name to show
// that the catalogue line may still be missing. Where the file system has no links (FAT), a
// rename that replaces nothing is the next best.
bool StagedLibraryFile::Publish(const QString& path) {
    const QByteArray target = QFile::encodeName(path);
    if (::link(QFile::encodeName(file_->fileName()).constData(), target.constData()) == 0) {
        return true;
    }
    return errno != EEXIST && QFile::rename(file_->fileName(), path);
}

void UndoUnfinishedImports(const QString& programFolder, const LibraryCatalogue& catalogue) {
    const QDir data(DataFolderPath(programFolder));
    const QStringList staged = data.entryList({kStagedPrefix + u'*'}, QDir::Files | QDir::Hidden);
    for (const QString& name : staged) {
        const QString path = data.filePath(name);
        struct stat status {};
        if (HeldByImport(path) || !Stat(path, status)) {
            continue;
        }
        if (status.st_nlink > 1) {
            RemoveUnlistedLink(data, status, catalogue);
        }
        QFile::remove(path);
    }
}
