#include "recitation/SettingsFile.h"

#include "library/TextFile.h"

QString SettingsFilePath(const QString& programFolder) {
    return programFolder + QStringLiteral("/Lexado.ini");
}

std::optional<SettingsRecord> LoadSettings(const QString& programFolder,
                                           const SettingsRecord& defaults) {
    const std::optional<QByteArray> bytes = ReadWholeFile(SettingsFilePath(programFolder));
    if (!bytes) {
        return std::nullopt;
    }
    return RecordFromBytes(*bytes, defaults);
}

bool SaveSettings(const QString& programFolder, const SettingsRecord& record) {
    return ReplaceFileContents(SettingsFilePath(programFolder), RecordBytes(record));
}
