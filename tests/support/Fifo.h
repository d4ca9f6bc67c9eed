#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe (FIFO) for tests of code that must not read one. A writer waits on it from the
// start: should the code open the FIFO after all, the writer's open meets it, and the writer
// closes again at once, so that the code reads an empty file instead of waiting for good. At
// the end a reader of its own lets a writer that nobody met go, so no test ever hangs on it.
class Fifo {
public:
    explicit Fifo(const QString& path) : path_(path.toLocal8Bit()) {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        if (made_) {
            writer_ = std::thread([this] {
                const int fd = ::open(path_.constData(), O_WRONLY | O_CLOEXEC);
                if (fd >= 0) {
                    ::close(fd);
                }
            });
        }
    }

    ~Fifo() {
        if (made_) {
            const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            writer_.join();
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    bool made() const { return made_; }

private:
    QByteArray path_;
    bool made_ = false;
    std::thread writer_;
};
