#include "library/LibraryFile.h"

#include "library/DataFolder.h"
#include "library/TextFile.h"
#include "strings/StringTable.h"

namespace {

LibraryContents PseudoEntry(StringId id, LibraryStatus status) {
    LibraryContents contents;
    contents.entries.append(StringText(id).toUtf8());
    contents.status = status;
    return contents;
}

LibraryContents ParseWordLibrary(QByteArray text) {
    if (text.isEmpty()) {
        return PseudoEntry(StringId::EmptyLibraryEntry, LibraryStatus::Empty);
    }
    return {WordList::FromText(std::move(text), WordList::ShortLines::DropAfterFirst),
            LibraryStatus::Read};
}

} // namespace

LibraryContents ReadWordLibrary(const QString& programFolder, QByteArrayView fileName) {
    const std::optional<QString> path = DataFilePath(programFolder, fileName);
    std::optional<QByteArray> text = path ? ReadWholeFile(*path) : std::nullopt;
    if (!text) {
        return PseudoEntry(StringId::MissingLibraryEntry, LibraryStatus::Missing);
    }
    return ParseWordLibrary(std::move(*text));
}

bool WriteWordLibrary(const QString& programFolder, QByteArrayView fileName,
                      const WordList& entries) {
    const std::optional<QString> path = DataFilePath(programFolder, fileName);
    return path && ReplaceFileContents(*path, entries.toText());
}
