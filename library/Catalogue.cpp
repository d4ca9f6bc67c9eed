#include "library/Catalogue.h"

#include "library/TextFile.h"

#include <algorithm>

CatalogueEntry SplitCatalogueEntry(QByteArrayView line) {
    const qsizetype separator = line.indexOf('#');
    if (separator < 0) {
        return {QByteArrayView(), line};
    }
    return {line.first(separator), line.sliced(separator + 1)};
}

// Bytes below 0x20 and DEL are never part of a UTF-8 or GB18030 character, so the check works
// on the bytes in either encoding.
bool HoldsControlCharacter(QByteArrayView text) {
    return std::any_of(text.begin(), text.end(), [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return value < 0x20 || value == 0x7F;
    });
}

bool ListsNameOrFile(const LibraryCatalogue& catalogue, QByteArrayView name, QByteArrayView file) {
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const CatalogueEntry entry = SplitCatalogueEntry(catalogue.at(i));
        if (entry.name == name || entry.file == file) {
            return true;
        }
    }
    return false;
}

QString CataloguePath(const QString& programFolder) {
    return programFolder + QStringLiteral("/table.ini");
}

LibraryCatalogue ReadCatalogue(const QString& programFolder) {
    std::optional<QByteArray> text = ReadWholeFile(CataloguePath(programFolder));
    if (!text) {
        return {};
    }
    return WordList::FromText(std::move(*text), WordList::ShortLines::Keep);
}

bool WriteCatalogue(const QString& programFolder, const LibraryCatalogue& catalogue) {
    return ReplaceFileContents(CataloguePath(programFolder), catalogue.toText());
}
