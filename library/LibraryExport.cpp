#include "library/LibraryExport.h"

#include "library/LibraryFile.h"
#include "library/LineFields.h"
#include "library/RegularFile.h"
#include "library/TextFile.h"

#include <QFileInfo>

namespace {

constexpr QByteArrayView kHeader = "#separator:tab\n"
                                   "#html:false\n"
                                   "#columns:Word\tMeaning\tPhonetic\n";

void AppendField(QByteArray& text, const QString& field) {
    const QByteArray utf8 = field.toUtf8();
    if (!utf8.contains('\t') && !utf8.contains('"') && !utf8.contains('\r')) {
        text.append(utf8);
        return;
    }
    text.append('"');
    text.append(QByteArray(utf8).replace('"', "\"\""));
    text.append('"');
}

} // namespace

QByteArray ExportText(const WordList& entries) {
    QByteArray text = kHeader.toByteArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const TextFields fields = DecodeFields(entries.at(i));
        AppendField(text, fields.word);
        text.append('\t');
        AppendField(text, fields.meaning);
        text.append('\t');
        AppendField(text, fields.phonetic);
        text.append('\n');
    }
    return text;
}

ExportResult ExportLibrary(const QString& programFolder, QByteArrayView libraryFile,
                           const QString& outputPath) {
    const LibraryContents library = ReadWordLibrary(programFolder, libraryFile);
    ExportResult result;
    if (library.status == LibraryStatus::Missing) {
        result.error = ExportError::LibraryNotFound;
        return result;
    }
    const WordList noEntries;
    const WordList& entries = library.status == LibraryStatus::Read ? library.entries : noEntries;
    if (HoldsOtherThanRegularFile(outputPath)) {
        result.error = ExportError::NotRegularFile;
        return result;
    }
    const QByteArray text = ExportText(entries);
    if (!ReplaceFileContents(outputPath, text)) {
        result.error = ExportError::CannotWrite;
        result.folder = QFileInfo(outputPath).absolutePath();
        result.writeFailure = DiagnoseWriteFailure(result.folder, text.size());
        return result;
    }
    result.entries = entries.size();
    return result;
}

std::optional<QByteArray> LibraryFileNamed(const LibraryCatalogue& catalogue, QByteArrayView name) {
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const CatalogueEntry entry = SplitCatalogueEntry(catalogue.at(i));
        if (entry.name == name) {
            return entry.file.toByteArray();
        }
    }
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (SplitCatalogueEntry(catalogue.at(i)).file == name) {
            return name.toByteArray();
        }
    }
    return std::nullopt;
}
