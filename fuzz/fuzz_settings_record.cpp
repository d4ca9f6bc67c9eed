// The settings record of Lexado.ini and progress files on any bytes: read, it is a record in
// range that written and read again gives the same bytes; a progress file is one record long.

#include "fuzz/FuzzChecks.h"
#include "recitation/ProgressFile.h"
#include "recitation/SettingsFile.h"

#include <QRect>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    const SettingsRecord defaults = DefaultSettings(96, QRect(100, 100, 400, 120));
    const QString& folder = FuzzProgramFolder();
    WriteFile(SettingsFilePath(folder), bytes);
    const SettingsRecord settings = LoadSettings(folder, defaults).value();
    Check(SaveSettings(folder, settings) && LoadSettings(folder, {}).has_value() &&
              RecordBytes(*LoadSettings(folder, {})) == RecordBytes(settings),
          "a record read, written and read again gives the same bytes");

    const QString path = folder + "/progress.sav";
    WriteFile(path, bytes);
    const LoadedProgress progress = ReadProgressFile(path);
    const bool oneRecord = size == kSettingsRecordSize;
    Check(progress.status == (oneRecord ? ProgressStatus::Read : ProgressStatus::NotProgressFile),
          "a progress file is one record long");
    Check(!oneRecord || RecordBytes(progress.record) == RecordBytes(settings),
          "a progress file holds the record Lexado.ini would");
    return 0;
}
