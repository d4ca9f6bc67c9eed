#include "app/WordListCommands.h"

#include "app/ProgramFolder.h"
#include "library/ImportSummary.h"
#include "library/LibraryExport.h"
#include "library/LibraryImport.h"
#include "speech/IpaTranscription.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kRefused = 2;
constexpr int kNotWritten = 1;

int ImportExitCode(ImportError error) {
    switch (error) {
    case ImportError::None:
        return 0;
    case ImportError::CannotWrite:
    case ImportError::CannotWriteCatalogue:
    case ImportError::CatalogueBusy:
        return kNotWritten;
    case ImportError::CannotRead:
    case ImportError::NotWordList:
    case ImportError::OldKvtml:
    case ImportError::Malformed:
    case ImportError::NoEntries:
    case ImportError::HashInName:
    case ImportError::ControlCharacterInName:
    case ImportError::BlankName:
        return kRefused;
    }
    return kRefused;
}

int Import(const QString& programFolder, const CommandLine& commandLine, QTextStream& out,
           QTextStream& errors) {
    const QString& source = *commandLine.importFile;
    const ImportRequest request{source, commandLine.libraryName.value_or(QString()).toUtf8(),
                                &IpaTranscription};
    const ImportResult result = ImportWordListIntoCatalogueFile(programFolder, request);
    if (!result.ok()) {
        errors << "lexado: " << source << ": " << ImportSummary(result) << "\n";
    } else {
        out << ImportSummary(result) << "\n";
    }
    return ImportExitCode(result.error);
}

// The library file the typed name stands for: a name in UTF-8, as this system types it, or in
// GB18030, as catalogues made on the original systems hold it.
std::optional<QByteArray> LibraryFileTyped(const LibraryCatalogue& catalogue, const QString& name) {
    if (std::optional<QByteArray> file = LibraryFileNamed(catalogue, name.toUtf8())) {
        return file;
    }
    return LibraryFileNamed(catalogue, EncodeGb18030(name));
}

int Export(const QString& programFolder, const CommandLine& commandLine, QTextStream& out,
           QTextStream& errors) {
    const QString& name = *commandLine.exportName;
    const std::optional<QByteArray> file = LibraryFileTyped(ReadCatalogue(programFolder), name);
    if (!file) {
        errors << "lexado: " << StringText(StringId::ExportUnknownLibrary).arg(name) << "\n";
        return kRefused;
    }
    const ExportResult result = ExportLibrary(programFolder, *file, commandLine.exportFile);
    switch (result.error) {
    case ExportError::None:
        out << ExportSummary(result) << "\n";
        return 0;
    case ExportError::LibraryNotFound:
        errors << "lexado: " << QString::fromUtf8(*file) << ": " << ExportSummary(result) << "\n";
        return kRefused;
    case ExportError::NotRegularFile:
    case ExportError::CannotWrite:
        errors << "lexado: " << commandLine.exportFile << ": " << ExportSummary(result) << "\n";
        return result.error == ExportError::NotRegularFile ? kRefused : kNotWritten;
    }
    return kNotWritten;
}

} // namespace

std::optional<int> RunWordListCommand(const CommandLine& commandLine, const QString& resourceFolder,
                                      QTextStream& out, QTextStream& errors) {
    if (!commandLine.importFile && !commandLine.exportName) {
        return std::nullopt;
    }
    const QString chosen =
        ChooseProgramFolder(commandLine.home, QCoreApplication::applicationDirPath());
    const std::optional<QString> programFolder = PrepareProgramFolder(chosen, resourceFolder);
    if (!programFolder) {
        errors << "lexado: " << StringText(StringId::CannotCreateFolder).arg(chosen) << "\n";
        return kNotWritten;
    }
    return commandLine.importFile ? Import(*programFolder, commandLine, out, errors)
                                  : Export(*programFolder, commandLine, out, errors);
}
