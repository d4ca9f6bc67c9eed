#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// The few calls on Unix-domain stream sockets the remote commands need, on plain descriptors:
// Qt's local sockets would bring Qt Network and its libraries into every start of the program
// for one short line each way.

// A socket listening at `path`, which only the user can connect to; a socket file left there
// by a copy that crashed is replaced. -1 when it cannot be made.
int ListenAt(const QString& path);

// The next connection waiting on a listening socket, or -1 when none is.
int AcceptWaiting(int listener);

// A socket connected to the one listening at `path`, or -1 when none listens there.
int ConnectTo(const QString& path, QDeadlineTimer deadline);

// Writes all of `bytes`; false when the other end has gone.
bool WriteAll(int socket, QByteArrayView bytes);

// What the other end sends until it closes its end or the deadline passes.
QByteArray ReadUntilClosed(int socket, QDeadlineTimer deadline);
