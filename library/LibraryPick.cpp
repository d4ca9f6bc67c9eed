#include "library/LibraryPick.h"

#include "library/Catalogue.h"
#include "library/LibraryFile.h"

#include <utility>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

QByteArrayView WithoutTrailingWhiteSpace(QByteArrayView text) {
    qsizetype end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) {
        --end;
    }
    return text.first(end);
}

PickStatus StatusOf(LibraryStatus status) {
    switch (status) {
    case LibraryStatus::Read:
        return PickStatus::Read;
    case LibraryStatus::Empty:
        return PickStatus::Empty;
    case LibraryStatus::Missing:
        break;
    }
    return PickStatus::Missing;
}

} // namespace

PickedLibrary PickLibrary(const QString& programFolder, QByteArrayView catalogueEntry) {
    const CatalogueEntry entry = SplitCatalogueEntry(catalogueEntry);
    PickedLibrary picked;
    picked.fileName = WithoutTrailingWhiteSpace(entry.file).toByteArray();
    picked.displayName = entry.name.toByteArray();
    // A longer file name, cut to fit the record, would name another file at the next start.
    if (picked.fileName.size() > kLibraryNameBytes) {
        picked.status = PickStatus::FileNameTooLong;
        return picked;
    }
    LibraryContents contents = ReadWordLibrary(programFolder, picked.fileName);
    picked.status = StatusOf(contents.status);
    if (picked.status != PickStatus::Missing) {
        picked.entries = std::move(contents.entries);
    }
    return picked;
}
