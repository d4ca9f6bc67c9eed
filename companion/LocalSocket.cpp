#include "companion/LocalSocket.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of `path`, or nothing when the path is too long for one.
std::optional<sockaddr_un> AddressOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || name.size() >= qsizetype(sizeof(address.sun_path))) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), name.size());
    return address;
}

// Waits until the socket is ready for `events` or the deadline passes.
bool WaitFor(int socket, short events, QDeadlineTimer deadline) {
    pollfd watched{socket, events, 0};
    int ready = 0;
    do {
        ready = poll(&watched, 1, int(std::min<qint64>(deadline.remainingTime(), INT_MAX)));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

int NewSocket() {
    return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

int ListenAt(const QString& path) {
    const std::optional<sockaddr_un> address = AddressOf(path);
    const int listener = address ? NewSocket() : -1;
    if (listener < 0) {
        return -1;
    }
    unlink(address->sun_path);
    // Nobody can connect before listen(), so the file is the user's alone from the start.
    if (bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
        chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || listen(listener, SOMAXCONN) != 0) {
        close(listener);
        return -1;
    }
    return listener;
}

int AcceptWaiting(int listener) {
    return accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
}

int ConnectTo(const QString& path, QDeadlineTimer deadline) {
    const std::optional<sockaddr_un> address = AddressOf(path);
    const int socket = address ? NewSocket() : -1;
    if (socket < 0) {
        return -1;
    }
    const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
    // A full backlog makes a non-blocking connect fail at once: it is tried again until the
    // deadline.
    while (connect(socket, raw, sizeof(*address)) != 0) {
        if (errno != EAGAIN || deadline.hasExpired()) {
            close(socket);
            return -1;
        }
        usleep(1000);
    }
    return socket;
}

bool WriteAll(int socket, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(socket, POLLOUT, QDeadlineTimer(1000))) {
                return false;
            }
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.sliced(written);
    }
    return true;
}

QByteArray ReadUntilClosed(int socket, QDeadlineTimer deadline) {
    QByteArray received;
    char buffer[4096];
    while (WaitFor(socket, POLLIN, deadline)) {
        const ssize_t count = read(socket, buffer, sizeof(buffer));
        if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
            break;
        }
        if (count > 0) {
            received.append(buffer, count);
        }
    }
    return received;
}
