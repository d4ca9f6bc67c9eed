#include "library/LibraryImport.h"

#include "library/CatalogueLock.h"
#include "library/DataFolder.h"
#include "library/ImportNames.h"
#include "library/KvtmlReader.h"
#include "library/RegularFile.h"
#include "library/StagedLibraryFile.h"
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

// Why the name asked for cannot be a library name: a '#' would end the name in table.ini and a
// control character split or garble its line, as in the library manager; a name of blanks
// alone would be no name at all. None for a name that will do, or none asked for.
ImportError CheckAskedName(const QByteArray& name) {
    if (name.contains('#')) {
        return ImportError::HashInName;
    }
    if (HoldsControlCharacter(name)) {
        return ImportError::ControlCharacterInName;
    }
    if (!name.isEmpty() && QString::fromUtf8(name).trimmed().isEmpty()) {
        return ImportError::BlankName;
    }
    return ImportError::None;
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

ConvertedWordList ConvertText(QByteArray bytes, const PhoneticSource& phonetics) {
    ConvertedWordList converted{ImportError::None, 0, {}, ImportedLines(phonetics)};
    // Most lists are UTF-8 without a byte-order mark, read as they are; the others are decoded
    // first, and so is a list found not to be UTF-8 after all, from its start.
    if (!ByteOrderMarkOf(bytes) && !bytes.contains('\0') &&
        ReadTextWordList(bytes, converted.lines)) {
        return WithEntriesChecked(std::move(converted));
    }
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
        return ConvertText(std::move(bytes), phonetics);
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
    return ConvertText(std::move(*bytes), phonetics);
}

namespace {

// A word list read, converted and written to a staged library file: what the import comes to
// (or why it fails) and the name it asks for, waiting for its names in the catalogue.
struct StagedImport {
    explicit StagedImport(const QString& programFolder) : file(programFolder) {}

    ImportResult result;
    QByteArray name;
    StagedLibraryFile file;
};

void Stage(StagedImport& staged, const QString& programFolder, const ImportRequest& request) {
    if (const ImportError refusal = CheckAskedName(request.libraryName);
        refusal != ImportError::None) {
        staged.result = Failure(refusal);
        return;
    }
    QFile source;
    if (!OpenRegularFile(source, request.sourcePath)) {
        staged.result = Failure(ImportError::CannotRead);
        return;
    }
    const ConvertedWordList converted = ConvertWordList(source, request.phonetics);
    if (converted.error != ImportError::None) {
        staged.result = Failure(converted.error, converted.errorLine);
        return;
    }
    QDir().mkpath(DataFolderPath(programFolder));
    if (!staged.file.Write(converted.lines.text())) {
        staged.result = Failure(ImportError::CannotWrite);
        return;
    }
    staged.name = LibraryName(request, converted.title);
    staged.result.entries = converted.lines.entries();
    staged.result.phoneticsFilled = converted.lines.phoneticsFilled();
    staged.result.withheldPhonetics = converted.lines.withheldPhonetics();
    staged.result.skipped = converted.lines.skipped();
}

// Gives the staged file the first free names of the catalogue and data/ and adds its entry to
// the catalogue; the file is left without its name on an error.
ImportResult Publish(StagedImport& staged, const QString& programFolder,
                     CatalogueEditor& catalogue) {
    const std::optional<LibraryNames> names =
        FreeLibraryNames(programFolder, catalogue.catalogue(), staged.name);
    const std::optional<QString> path =
        names ? DataFilePath(programFolder, names->file) : std::nullopt;
    if (!path || !staged.file.Publish(*path)) {
        return Failure(ImportError::CannotWrite);
    }
    if (catalogue.Add(names->name, names->file) != CatalogueEdit::Done) {
        QFile::remove(*path);
        return Failure(ImportError::CannotWrite);
    }
    ImportResult result = staged.result;
    result.libraryName = names->name;
    result.fileName = names->file;
    return result;
}

} // namespace

ImportResult ImportWordList(const QString& programFolder, CatalogueEditor& catalogue,
                            const ImportRequest& request) {
    StagedImport staged(programFolder);
    Stage(staged, programFolder, request);
    return staged.result.ok() ? Publish(staged, programFolder, catalogue) : staged.result;
}

// The library file is complete under its temporary name before the catalogue is locked; under
// the lock it gets its name and then its line in table.ini. A kill between the two leaves the
// temporary name beside the unlisted file, and the next import removes both.
ImportResult ImportWordListIntoCatalogueFile(const QString& programFolder,
                                             const ImportRequest& request,
                                             const LibraryCatalogue& alsoListed) {
    StagedImport staged(programFolder);
    Stage(staged, programFolder, request);
    if (!staged.result.ok()) {
        return staged.result;
    }
    const CatalogueLock lock(programFolder);
    if (lock.state() != CatalogueLockState::Held) {
        return Failure(lock.state() == CatalogueLockState::Busy
                           ? ImportError::CatalogueBusy
                           : ImportError::CannotWriteCatalogue);
    }
    LibraryCatalogue catalogue = ReadCatalogue(programFolder);
    UndoUnfinishedImports(programFolder, catalogue);
    LibraryCatalogue bothCatalogues = alsoListed;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        bothCatalogues.append(catalogue.at(i));
    }
    CatalogueEditor names(bothCatalogues);
    ImportResult result = Publish(staged, programFolder, names);
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
