#include "bench/BenchLibrary.h"
#include "library/LibraryImport.h"
#include "speech/IpaTranscription.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The same entries as the library BM_ReadWordLibrary reads, as comma-separated values.
QByteArray CsvOfLibrary(int entries) {
    return MakeLibraryText(entries).replace('#', ',');
}

// Words of the sample library, over and over, with a meaning and no phonetic.
QByteArray CsvOfEnglishWords(int entries) {
    QFile sample(LEXADO_SAMPLE_LIBRARY);
    const QList<QByteArray> lines =
        sample.open(QIODevice::ReadOnly) ? sample.readAll().split('\n') : QList<QByteArray>();
    QByteArray csv;
    for (int i = 0; i < entries && lines.size() > 1; ++i) {
        csv += lines[i % (lines.size() - 1)].split('#').front();
        csv += ",词义 meaning\n";
    }
    return csv;
}

struct ImportFolder {
    explicit ImportFolder(const QByteArray& csv) {
        QDir(dir.path()).mkpath("data");
        QFile file(source());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(csv);
        }
    }
    QString source() const { return dir.filePath("list.csv"); }
    QTemporaryDir dir;
};

// A whole import but for the rewrite of table.ini: read, convert, write the library file
// atomically, add the catalogue entry in memory.
void Import(benchmark::State& state, const QByteArray& csv, const PhoneticSource& phonetics) {
    const ImportFolder folder(csv);
    for (auto _ : state) {
        LibraryCatalogue catalogue;
        CatalogueEditor editor(catalogue);
        const ImportResult result =
            ImportWordList(folder.dir.path(), editor, {folder.source(), "list", phonetics});
        state.PauseTiming();
        QFile::remove(folder.dir.filePath("data/" + QString::fromUtf8(result.fileName)));
        state.ResumeTiming();
    }
}

void BM_ImportCsv(benchmark::State& state) {
    Import(state, CsvOfLibrary(static_cast<int>(state.range(0))), {});
}
BENCHMARK(BM_ImportCsv)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The conversion alone, in memory: decoding, splitting, the library lines.
void BM_ConvertCsv(benchmark::State& state) {
    const QByteArray csv = CsvOfLibrary(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertWordList(csv));
    }
}
BENCHMARK(BM_ConvertCsv)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ImportCsvFillingPhonetics(benchmark::State& state) {
    Import(state, CsvOfEnglishWords(static_cast<int>(state.range(0))), IpaTranscription);
}
BENCHMARK(BM_ImportCsvFillingPhonetics)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
