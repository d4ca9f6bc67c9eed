#include "library/WriteFailure.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

WriteFailure WriteFailureOf(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::FolderNotWritable;
    case ENOSPC:
    case EDQUOT:
        return WriteFailure::DiskFull;
    default:
        return WriteFailure::Unknown;
    }
}

WriteFailure DiagnoseWriteFailure(const QString& folder, qint64 bytes) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        return WriteFailureOf(errno);
    }
    const int reserved = bytes > 0 ? ::posix_fallocate(fd, 0, bytes) : 0;
    ::close(fd);
    return WriteFailureOf(reserved);
}
