#include "library/ImportSummary.h"

#include "strings/StringTable.h"

#include <QStringList>

namespace {

QString ImportErrorText(const ImportResult& result) {
    switch (result.error) {
    case ImportError::None:
        break;
    case ImportError::CannotRead:
        return StringText(StringId::ImportCannotRead);
    case ImportError::NotWordList:
        return StringText(StringId::ImportNotWordList);
    case ImportError::OldKvtml:
        return StringText(StringId::ImportOldKvtml);
    case ImportError::Malformed:
        return StringText(StringId::ImportMalformed).arg(result.errorLine);
    case ImportError::NoEntries:
        return StringText(StringId::ImportNoEntries);
    case ImportError::HashInName:
        return StringText(StringId::HashInLibraryName);
    case ImportError::ControlCharacterInName:
        return StringText(StringId::ControlCharacterInName);
    case ImportError::BlankName:
        return StringText(StringId::BlankLibraryName);
    case ImportError::CatalogueBusy:
        return StringText(StringId::CatalogueBusy);
    case ImportError::CannotWrite:
    case ImportError::CannotWriteCatalogue:
        return StringText(StringId::WriteFileError);
    }
    return {};
}

// String 105, and after it why, when that is known.
QString WriteErrorText(WriteFailure failure, const QString& folder) {
    const QString error = StringText(StringId::WriteFileError);
    switch (failure) {
    case WriteFailure::Unknown:
        break;
    case WriteFailure::FolderNotWritable:
        return error + u' ' + StringText(StringId::CannotWriteInFolder).arg(folder);
    case WriteFailure::DiskFull:
        return error + u' ' + StringText(StringId::DiskFull);
    }
    return error;
}

} // namespace

QString ImportSummary(const ImportResult& result) {
    if (!result.ok()) {
        return ImportErrorText(result);
    }
    QStringList lines{StringText(StringId::ImportDone)
                          // One pass, so that a name holding "%3" is not filled in itself.
                          .arg(QString::fromUtf8(result.libraryName),
                               QString::fromUtf8(result.fileName), QString::number(result.entries),
                               QString::number(result.phoneticsFilled))};
    const WithheldPhonetics& withheld = result.withheldPhonetics;
    if (withheld.otherLanguage > 0) {
        lines.append(StringText(StringId::ImportPhoneticsOtherLanguage)
                         .arg(withheld.otherLanguage)
                         .arg(withheld.languages.join(QStringLiteral(", "))));
    }
    if (withheld.notEnglishText > 0) {
        lines.append(
            StringText(StringId::ImportPhoneticsNotEnglishText).arg(withheld.notEnglishText));
    }
    if (const int empty = result.skipped[SkipReason::EmptyWord]; empty > 0) {
        lines.append(StringText(StringId::ImportSkippedEmptyWords).arg(empty));
    }
    if (const int inactive = result.skipped[SkipReason::Inactive]; inactive > 0) {
        lines.append(StringText(StringId::ImportSkippedInactive).arg(inactive));
    }
    if (const int undecodable = result.skipped[SkipReason::Undecodable]; undecodable > 0) {
        lines.append(StringText(StringId::ImportSkippedUndecodableLines).arg(undecodable));
    }
    if (result.skipped[SkipReason::UnclosedQuote] > 0) {
        lines.append(
            StringText(StringId::ImportSkippedUnclosedQuote).arg(result.skipped.unclosedQuoteLine));
    }
    return lines.join(u'\n');
}

QString ExportSummary(const ExportResult& result) {
    switch (result.error) {
    case ExportError::None:
        break;
    case ExportError::LibraryNotFound:
        return StringText(StringId::LibraryFileNotFound);
    case ExportError::NotRegularFile:
        return StringText(StringId::ExportNotRegularFile);
    case ExportError::CannotWrite:
        return WriteErrorText(result.writeFailure, result.folder);
    }
    return StringText(StringId::ExportDone).arg(result.entries);
}
