#include "app/StatsCommand.h"

#include "app/ProgramFolder.h"
#include "library/Catalogue.h"
#include "library/LibraryFile.h"
#include "memory/MemoryStats.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <list>

namespace {

constexpr int kRefused = 2;
constexpr int kNotRead = 1;

// The catalogue's library files, or the one whose name or file is `only`.
QList<QByteArray> LibraryFiles(const LibraryCatalogue& catalogue,
                               const std::optional<QString>& only) {
    QList<QByteArray> files;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const CatalogueEntry entry = SplitCatalogueEntry(catalogue.at(i));
        if (!only || DecodeLine(entry.name) == *only || DecodeLine(entry.file) == *only) {
            files.append(entry.file.toByteArray());
        }
    }
    return files;
}

} // namespace

std::optional<int> RunStatsCommand(const CommandLine& commandLine, const QString& resourceFolder,
                                   QTextStream& out, QTextStream& errors) {
    if (!commandLine.stats) {
        return std::nullopt;
    }
    const QString chosen =
        ChooseProgramFolder(commandLine.home, QCoreApplication::applicationDirPath());
    const std::optional<QString> programFolder = PrepareProgramFolder(chosen, resourceFolder);
    if (!programFolder) {
        errors << "lexado: " << StringText(StringId::CannotCreateFolder).arg(chosen) << "\n";
        return kNotRead;
    }
    const QList<QByteArray> files =
        LibraryFiles(ReadCatalogue(*programFolder), commandLine.statsLibrary);
    if (files.isEmpty() && commandLine.statsLibrary) {
        errors << "lexado: "
               << StringText(StringId::ExportUnknownLibrary).arg(*commandLine.statsLibrary) << "\n";
        return kRefused;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const MemoryStore::Opened opened = MemoryStore::Open(*programFolder, now);
    if (!opened.store) {
        errors << "lexado: " << MemoryStore::kFileName << ": " << opened.result.detail << "\n";
        return kNotRead;
    }
    std::list<WordList> entries; // kept in place while the figures point at them
    std::vector<CountedLibrary> libraries;
    for (const QByteArray& file : files) {
        entries.push_back(ReadWordLibrary(*programFolder, file).entries);
        libraries.push_back({MemoryLibraryName(file), &entries.back()});
    }
    QStringList lines;
    const StoreResult result = MemoryStatsLines(*opened.store, libraries, now, &lines);
    if (!result.ok()) {
        errors << "lexado: " << MemoryStore::kFileName << ": " << result.detail << "\n";
        return kNotRead;
    }
    for (const QString& line : lines) {
        out << line << "\n";
    }
    return 0;
}
