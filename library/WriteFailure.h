#pragma once

#include <QString>

// Why a file could not be written, as far as the system tells.
enum class WriteFailure {
    Unknown,
    FolderNotWritable, // no such folder, not a folder, no permission, a read-only file system
    DiskFull,          // no room left on the disk, or the user's quota used up
};

// The reason an error number of a failed open or write gives.
WriteFailure WriteFailureOf(int errorNumber);

// Why a new file of `bytes` bytes cannot be written in the folder now: the system is asked by
// making a file there that has no name, and so vanishes again, and by setting room aside for
// the bytes in it.
WriteFailure DiagnoseWriteFailure(const QString& folder, qint64 bytes);
