#include "library/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Opened without waiting (a FIFO's open would wait for a writer) and then asked what it is, so
// that nothing can be put in its place between the question and the open. O_NONBLOCK does
// nothing to the reads of a regular file.
bool OpenRegularFile(QFile& file, const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool HoldsOtherThanRegularFile(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode);
}
