#include "recitation/LibraryPreload.h"

#include "recitation/SettingsFile.h"

#include <QRect>

#include <utility>

LibraryPreload LibraryPreload::Start(const QString& programFolder) {
    LibraryPreload preload;
    preload.programFolder_ = programFolder;
    const SettingsRecord defaults = DefaultSettings(kRecordDpi, QRect());
    const SettingsRecord record = LoadSettings(programFolder, defaults).value_or(defaults);
    preload.fileName_ = NameField(record.libraryFile).toByteArray();
    preload.contents_ = std::async(std::launch::async, [programFolder, name = preload.fileName_] {
        return ReadWordLibrary(programFolder, name);
    });
    return preload;
}

LibraryContents LibraryPreload::Take(const QString& programFolder, QByteArrayView fileName) {
    if (contents_.valid() && programFolder == programFolder_ && fileName == fileName_) {
        LibraryContents contents = contents_.get();
        if (contents.status == LibraryStatus::Read) {
            return contents;
        }
    }
    return ReadWordLibrary(programFolder, fileName);
}
