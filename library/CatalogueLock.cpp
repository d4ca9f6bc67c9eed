#include "library/CatalogueLock.h"

namespace {

CatalogueLockState Take(QLockFile& file, std::chrono::milliseconds wait) {
    // Held only for a read and a write of a small file: never taken from a living holder for
    // its age, only from one that is gone.
    file.setStaleLockTime(0);
    if (file.tryLock(static_cast<int>(wait.count()))) {
        return CatalogueLockState::Held;
    }
    return file.error() == QLockFile::LockFailedError ? CatalogueLockState::Busy
                                                      : CatalogueLockState::Unavailable;
}

} // namespace

CatalogueLock::CatalogueLock(const QString& programFolder, std::chrono::milliseconds wait)
    : file_(CataloguePath(programFolder) + QStringLiteral(".lock")), state_(Take(file_, wait)) {}

CatalogueSave SaveCatalogue(const QString& programFolder, CatalogueEditor& editor) {
    const CatalogueLock lock(programFolder);
    switch (lock.state()) {
    case CatalogueLockState::Held:
        break;
    case CatalogueLockState::Busy:
        return CatalogueSave::Busy;
    case CatalogueLockState::Unavailable:
        return CatalogueSave::CannotWrite;
    }
    editor.TakeLinesAddedElsewhere(ReadCatalogue(programFolder));
    return WriteCatalogue(programFolder, editor.catalogue()) ? CatalogueSave::Written
                                                             : CatalogueSave::CannotWrite;
}
