#include "recitation/ProgressFile.h"

#include "library/TextFile.h"

#include <QFile>

bool WriteProgressFile(const QString& path, const SettingsRecord& record) {
    return ReplaceFileContents(path, RecordBytes(record));
}

// One byte more than a record is asked for, so that a longer file is told apart without
// reading all of it.
LoadedProgress ReadProgressFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {ProgressStatus::CannotOpen};
    }
    const QByteArray bytes = file.read(kSettingsRecordSize + 1);
    if (static_cast<std::size_t>(bytes.size()) != kSettingsRecordSize) {
        return {ProgressStatus::NotProgressFile};
    }
    return {ProgressStatus::Read, RecordFromBytes(bytes, SettingsRecord{})};
}
