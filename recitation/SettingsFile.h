#pragma once

#include "recitation/SettingsRecord.h"

#include <QString>

#include <optional>

// Lexado.ini in the program folder: the 212 bytes of the settings record, nothing else.
QString SettingsFilePath(const QString& programFolder);

// The record stored in the settings file, or nothing when there is no file to read (the
// caller then takes the defaults of a first start). A file shorter than a record takes the
// remaining fields from `defaults`; bytes past the record are ignored. The record is brought
// into range.
std::optional<SettingsRecord> LoadSettings(const QString& programFolder,
                                           const SettingsRecord& defaults);

// Writes the record to the settings file. False when it cannot be written; the old file, if
// any, is then left as it was.
bool SaveSettings(const QString& programFolder, const SettingsRecord& record);
