#include "recitation/ProgressFile.h"

#include "library/TextFile.h"

bool WriteProgressFile(const QString& path, const SettingsRecord& record) {
    return ReplaceFileContents(path, RecordBytes(record));
}

// One byte more than a record is asked for, so that a longer file is told apart without
// reading all of it.
LoadedProgress ReadProgressFile(const QString& path) {
    const std::optional<QByteArray> bytes = ReadFileStart(path, kSettingsRecordSize + 1);
    if (!bytes) {
        return {ProgressStatus::CannotOpen};
    }
    if (static_cast<std::size_t>(bytes->size()) != kSettingsRecordSize) {
        return {ProgressStatus::NotProgressFile};
    }
    return {ProgressStatus::Read, RecordFromBytes(*bytes, SettingsRecord{})};
}
