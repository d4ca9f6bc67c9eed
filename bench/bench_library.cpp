#include "bench/BenchLibrary.h"
#include "library/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kMillion = 1'000'000;

// A program folder holding data/big.dat with a million entries.
struct BigLibraryFolder {
    BigLibraryFolder() {
        QDir(dir.path()).mkpath("data");
        QFile file(dir.filePath("data/big.dat"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(MakeLibraryText(kMillion));
        }
    }
    QTemporaryDir dir;
};

void BM_ReadWordLibraryMillion(benchmark::State& state) {
    const BigLibraryFolder folder;
    qsizetype entries = 0;
    for (auto _ : state) {
        LibraryContents contents = ReadWordLibrary(folder.dir.path(), "big.dat");
        entries = contents.entries.size();
        benchmark::DoNotOptimize(contents);
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_ReadWordLibraryMillion)->Unit(benchmark::kMillisecond);

void BM_WriteWordLibraryMillion(benchmark::State& state) {
    const BigLibraryFolder folder;
    const LibraryContents contents = ReadWordLibrary(folder.dir.path(), "big.dat");
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteWordLibrary(folder.dir.path(), "copy.dat", contents.entries));
    }
}
BENCHMARK(BM_WriteWordLibraryMillion)->Unit(benchmark::kMillisecond);

} // namespace
