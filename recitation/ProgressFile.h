#pragma once

#include "recitation/SettingsRecord.h"

#include <QString>

// A progress file (*.sav) holds the place reached and every option: the 212 bytes of the
// settings record, exactly as Lexado.ini holds them, with no header.

// The file dialogs offer progress files under this filter and add this suffix to a name typed
// without one.
inline constexpr char kProgressFileFilter[] = "save(*.sav)";
inline constexpr char kProgressFileSuffix[] = "sav";

// Writes the record as the whole contents of the file. False when it cannot be written; an
// existing file is then left as it was.
bool WriteProgressFile(const QString& path, const SettingsRecord& record);

enum class ProgressStatus {
    Read,            // the record is the file's, brought into range
    CannotOpen,      // the file cannot be read
    NotProgressFile, // the file is not one record long
};

struct LoadedProgress {
    ProgressStatus status = ProgressStatus::CannotOpen;
    SettingsRecord record{};
};

// Reads a progress file. Only a file of exactly one record is taken, brought into range as the
// settings file is. A library name that would lead out of data/ is left for the library
// loader, which treats it as a missing file.
LoadedProgress ReadProgressFile(const QString& path);
