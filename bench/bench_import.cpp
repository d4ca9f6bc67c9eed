#include "bench/BenchLibrary.h"
#include "library/LibraryFile.h"
#include "library/LibraryImport.h"
#include "speech/IpaTranscription.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <time.h>

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

// The CPU time this thread has used, in milliseconds: other work on the machine leaves it be.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The conversion against the yardstick of reading a library of the same entries, both in one
// run: "convert/read" is how many reads a conversion takes, in CPU time.
void BM_ConvertCsvAgainstRead(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    const QByteArray csv = CsvOfLibrary(entries);
    const QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    QFile library(dir.filePath("data/big.dat"));
    if (library.open(QIODevice::WriteOnly)) {
        library.write(MakeLibraryText(entries));
    }
    library.close();
    double reading = 0;
    double converting = 0;
    for (auto _ : state) {
        const double start = ThreadCpuMs();
        benchmark::DoNotOptimize(ReadWordLibrary(dir.path(), "big.dat"));
        const double read = ThreadCpuMs();
        benchmark::DoNotOptimize(ConvertWordList(csv));
        reading += read - start;
        converting += ThreadCpuMs() - read;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["read_ms"] = reading / iterations;
    state.counters["convert_ms"] = converting / iterations;
    state.counters["convert/read"] = converting / reading;
}
BENCHMARK(BM_ConvertCsvAgainstRead)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ImportCsvFillingPhonetics(benchmark::State& state) {
    Import(state, CsvOfEnglishWords(static_cast<int>(state.range(0))), IpaTranscription);
}
BENCHMARK(BM_ImportCsvFillingPhonetics)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A KVTML file of at least `bytes` bytes in KWordQuiz's shape, English and Chinese, written a
// block at a time so that making it takes no memory to speak of.
qint64 WriteKvtml(const QString& path, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return 0;
    }
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
               "<information><title>Big</title></information>\n<identifiers>"
               "<identifier id=\"0\"><locale>en</locale></identifier>"
               "<identifier id=\"1\"><locale>zh_CN</locale></identifier></identifiers>\n"
               "<entries>\n");
    QByteArray block;
    for (int entry = 0; file.size() < bytes; ++entry) {
        const QByteArray number = QByteArray::number(entry);
        block += "<entry id=\"" + number + "\"><translation id=\"0\"><text>word" + number +
                 "</text><pronunciation>ˈwɜːd</pronunciation></translation>"
                 "<translation id=\"1\"><text>词义 meaning " +
                 number + "</text></translation></entry>\n";
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block + "</entries>\n</kvtml>\n");
    return file.size();
}

// A line of /proc/self/status in bytes ("VmRSS", "VmHWM"), or 0.
qint64 ProcessMemory(QByteArrayView name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name) && line.size() > name.size() && line[name.size()] == ':') {
            return line.mid(name.size() + 1).trimmed().split(' ').front().toLongLong() * 1024;
        }
    }
    return 0;
}

// How much more memory than before it the import of a large KVTML file takes at its peak,
// beside the file's and the library's sizes: the high-water mark of resident memory is reset
// just before (by writing 5 to /proc/self/clear_refs) and read just after.
void BM_ImportKvtmlPeakMemory(benchmark::State& state) {
    constexpr double kMegabyte = 1 << 20;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    const QString source = dir.filePath("list.kvtml");
    const qint64 fileSize = WriteKvtml(source, state.range(0) << 20);
    qint64 peak = 0;
    qint64 librarySize = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (clearRefs.open(QIODevice::WriteOnly)) {
            clearRefs.write("5");
        }
        clearRefs.close();
        const qint64 before = ProcessMemory("VmRSS");
        state.ResumeTiming();
        LibraryCatalogue catalogue;
        CatalogueEditor editor(catalogue);
        const ImportResult result = ImportWordList(dir.path(), editor, {source, "big", {}});
        state.PauseTiming();
        peak = ProcessMemory("VmHWM") - before;
        const QString library = dir.filePath("data/" + QString::fromUtf8(result.fileName));
        librarySize = QFileInfo(library).size();
        QFile::remove(library);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(fileSize) / kMegabyte;
    state.counters["library_MB"] = static_cast<double>(librarySize) / kMegabyte;
    state.counters["peak_MB"] = static_cast<double>(peak) / kMegabyte;
    state.counters["peak_per_file"] = static_cast<double>(peak) / static_cast<double>(fileSize);
}
BENCHMARK(BM_ImportKvtmlPeakMemory)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
