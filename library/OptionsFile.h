#pragma once

#include <QSettings>
#include <QString>

#include <functional>
#include <memory>

// lexado.conf in the program folder: the options the 212-byte settings record has no room for,
// in Qt's INI format, each part of the program keeping its own groups.
QString OptionsFilePath(const QString& programFolder);

// The file for reading; null when there is none or it cannot be read or parsed, so that every
// option takes its default.
std::unique_ptr<const QSettings> ReadOptionsFile(const QString& programFolder);

// A true or false value ("true", "1", "false", "0"), or the fallback for anything else.
bool OptionFlag(const QSettings& file, const QString& key, bool fallback);
QString OptionText(const QSettings& file, const QString& key, const QString& fallback);

// Lets `store` set its keys on a copy of the file, keeping the keys of the other parts, and
// puts the copy in the file's place in one step, so that the file is never left half written.
// False when it cannot be written; the old file is then left as it was. A file that cannot be
// parsed is not copied: its keys cannot be kept.
bool UpdateOptionsFile(const QString& programFolder, const std::function<void(QSettings&)>& store);
