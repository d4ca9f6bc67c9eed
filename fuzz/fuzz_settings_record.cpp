// The settings record in Lexado.ini and in progress files, on any bytes: what is read is a
// record in range that, written and read again, gives the same bytes; Lexado.ini takes the
// bytes it holds and the defaults for the rest; a progress file is taken only when it is one
// record long.

#include "fuzz/FuzzChecks.h"
#include "recitation/ProgressFile.h"
#include "recitation/SettingsFile.h"
#include "recitation/SettingsRecord.h"

#include <QFile>
#include <QRect>

#include <cstddef>
#include <cstdint>

namespace {

void CheckSettingsFile(const QByteArray& bytes, const SettingsRecord& defaults) {
    WriteFile(SettingsFilePath(FuzzProgramFolder()), bytes);
    const std::optional<SettingsRecord> loaded = LoadSettings(FuzzProgramFolder(), defaults);
    Check(loaded.has_value(), "the settings file is read");
    const QByteArray read = RecordBytes(*loaded);
    Check(read.size() == static_cast<qsizetype>(kSettingsRecordSize), "a record is 212 bytes");
    Check(RecordBytes(RecordFromBytes(read, defaults)) == read,
          "a record read, written and read again gives the same bytes");
    Check(SaveSettings(FuzzProgramFolder(), *loaded), "the settings file is written");
    QFile saved(SettingsFilePath(FuzzProgramFolder()));
    Check(saved.open(QIODevice::ReadOnly) && saved.readAll() == read,
          "the settings file holds the record's bytes");
}

void CheckProgressFile(const QByteArray& bytes, const SettingsRecord& defaults) {
    const QString path = FuzzProgramFolder() + QStringLiteral("/progress.sav");
    WriteFile(path, bytes);
    const LoadedProgress loaded = ReadProgressFile(path);
    const bool oneRecord = bytes.size() == static_cast<qsizetype>(kSettingsRecordSize);
    Check(loaded.status == (oneRecord ? ProgressStatus::Read : ProgressStatus::NotProgressFile),
          "a progress file is taken when it is one record long");
    if (!oneRecord) {
        return;
    }
    Check(RecordBytes(loaded.record) == RecordBytes(RecordFromBytes(bytes, defaults)),
          "a progress file holds the record the settings file would");
    Check(WriteProgressFile(path, loaded.record), "the progress file is written");
    const LoadedProgress again = ReadProgressFile(path);
    Check(again.status == ProgressStatus::Read &&
              RecordBytes(again.record) == RecordBytes(loaded.record),
          "a progress file written is read back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsRecord defaults = DefaultSettings(96, QRect(100, 100, 400, 120));
    CheckSettingsFile(bytes, defaults);
    CheckProgressFile(bytes, defaults);
    return 0;
}
