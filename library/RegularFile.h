#pragma once

#include <QFile>
#include <QString>

// Opens the file at `path` for reading when it is a regular file, or a link to one. Anything
// else (a FIFO, a device, a folder) is a file that cannot be opened: the program never waits on
// a pipe that nobody writes, nor reads a device that never ends. False then, and when the file
// cannot be opened at all.
bool OpenRegularFile(QFile& file, const QString& path);

// Whether something other than a regular file (or a link to one) is at `path`: a FIFO, a
// device, a folder, a socket. False when nothing is there, so that the name can be a new file.
bool HoldsOtherThanRegularFile(const QString& path);
