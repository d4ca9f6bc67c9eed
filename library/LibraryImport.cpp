#include "library/LibraryImport.h"

#include "library/DataFolder.h"
#include "library/ImportNames.h"
#include "library/KvtmlReader.h"
#include "library/RegularFile.h"
#include "library/TextFile.h"
#include "library/TextWordList.h"
#include "library/WordListEncoding.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

ImportResult Failure(ImportError error, qint64 line = 0) {
    ImportResult result;
    result.error = error;
    result.errorLine = line;
    return result;
}

// Writes the library text to a file of that name that did not exist before: the name is taken
// first, so that nothing else's file is ever replaced, and the text then written whole.
bool WriteNewFile(const QString& path, const QByteArray& text) {
    QFile reservation(path);
    if (!reservation.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    reservation.close();
    if (!ReplaceFileContents(path, text)) {
        QFile::remove(path);
        return false;
    }
    return true;
}

// The name asked for, else the title, else the file's name; something in any case.
QByteArray LibraryName(const ImportRequest& request, const QString& title) {
    for (const QString& candidate : {QString::fromUtf8(request.libraryName), title,
                                     QFileInfo(request.sourcePath).completeBaseName()}) {
        if (QByteArray name = LibraryNameFromTitle(candidate); !name.isEmpty()) {
            return name;
        }
    }
    return QByteArrayLiteral("import");
}

// A list read without an error but without an entry has nothing to import either.
ConvertedWordList WithEntriesChecked(ConvertedWordList converted) {
    if (converted.error == ImportError::None && converted.lines.entries() == 0) {
        converted.error = ImportError::NoEntries;
    }
    return converted;
}

ConvertedWordList ConvertKvtml(QIODevice& source, PhoneticSource phonetics) {
    ConvertedWordList converted{ImportError::None, 0, {}, ImportedLines(std::move(phonetics))};
    const KvtmlContents kvtml = ReadKvtml(source, converted.lines);
    converted.error = kvtml.error;
    converted.errorLine = kvtml.errorLine;
    converted.title = kvtml.title;
    return WithEntriesChecked(std::move(converted));
}

ConvertedWordList ConvertText(QByteArray bytes, PhoneticSource phonetics) {
    ConvertedWordList converted{ImportError::None, 0, {}, ImportedLines(std::move(phonetics))};
    if (const std::optional<WordListText> text = WordListAsUtf8(std::move(bytes))) {
        ReadTextWordList(text->utf8, converted.lines);
        converted.lines.Skip(SkipReason::Undecodable, text->undecodableLines);
    } else {
        converted.error = ImportError::NotWordList;
    }
    return WithEntriesChecked(std::move(converted));
}

} // namespace

ConvertedWordList ConvertWordList(QByteArray bytes, PhoneticSource phonetics) {
    if (!IsKvtml(bytes)) {
        return ConvertText(std::move(bytes), std::move(phonetics));
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ConvertKvtml(buffer, std::move(phonetics));
}

ConvertedWordList ConvertWordList(QIODevice& source, PhoneticSource phonetics) {
    if (IsKvtml(source.peek(kKvtmlStart))) {
        return ConvertKvtml(source, std::move(phonetics));
    }
    std::optional<QByteArray> bytes = ReadRest(source);
    if (!bytes) {
        ConvertedWordList unread;
        unread.error = ImportError::CannotRead;
        return unread;
    }
    return ConvertText(std::move(*bytes), std::move(phonetics));
}

ImportResult ImportWordList(const QString& programFolder, CatalogueEditor& catalogue,
                            const ImportRequest& request) {
    if (request.libraryName.contains('#')) {
        return Failure(ImportError::HashInName);
    }
    QFile source;
    if (!OpenRegularFile(source, request.sourcePath)) {
        return Failure(ImportError::CannotRead);
    }
    const ConvertedWordList converted = ConvertWordList(source, request.phonetics);
    if (converted.error != ImportError::None) {
        return Failure(converted.error, converted.errorLine);
    }
    const QByteArray name = LibraryName(request, converted.title);
    QDir().mkpath(DataFolderPath(programFolder));
    const std::optional<LibraryNames> names =
        FreeLibraryNames(programFolder, catalogue.catalogue(), name);
    const std::optional<QString> path =
        names ? DataFilePath(programFolder, names->file) : std::nullopt;
    if (!path || !WriteNewFile(*path, converted.lines.text())) {
        return Failure(ImportError::CannotWrite);
    }
    if (catalogue.Add(names->name, names->file) != CatalogueEdit::Done) {
        QFile::remove(*path);
        return Failure(ImportError::CannotWrite);
    }
    ImportResult result;
    result.entries = converted.lines.entries();
    result.phoneticsFilled = converted.lines.phoneticsFilled();
    result.withheldPhonetics = converted.lines.withheldPhonetics();
    result.skipped = converted.lines.skipped();
    result.libraryName = names->name;
    result.fileName = names->file;
    return result;
}

ImportResult ImportWordListIntoCatalogueFile(const QString& programFolder,
                                             const ImportRequest& request,
                                             const LibraryCatalogue& alsoListed) {
    LibraryCatalogue catalogue = ReadCatalogue(programFolder);
    LibraryCatalogue bothCatalogues = alsoListed;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        bothCatalogues.append(catalogue.at(i));
    }
    CatalogueEditor names(bothCatalogues);
    ImportResult result = ImportWordList(programFolder, names, request);
    if (!result.ok()) {
        return result;
    }
    CatalogueEditor(catalogue).Add(result.libraryName, result.fileName);
    if (!WriteCatalogue(programFolder, catalogue)) {
        QFile::remove(*DataFilePath(programFolder, result.fileName));
        return Failure(ImportError::CannotWriteCatalogue);
    }
    return result;
}
