#include "bench/BenchLibrary.h"
#include "library/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

// A program folder holding data/big.dat with the given number of entries.
struct LibraryFolder {
    explicit LibraryFolder(int entries) {
        QDir(dir.path()).mkpath("data");
        QFile file(path());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(MakeLibraryText(entries));
        }
    }
    QString path() const { return dir.filePath("data/big.dat"); }
    double fileBytes() const { return static_cast<double>(QFile(path()).size()); }
    QTemporaryDir dir;
};

double HeapBytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// Reading a library; "memory/file" is the heap the loaded list holds against the file's size.
void BM_ReadWordLibrary(benchmark::State& state) {
    const LibraryFolder folder(static_cast<int>(state.range(0)));
    double memoryPerFileByte = 0;
    for (auto _ : state) {
        const double before = HeapBytesInUse();
        LibraryContents contents = ReadWordLibrary(folder.dir.path(), "big.dat");
        memoryPerFileByte = (HeapBytesInUse() - before) / folder.fileBytes();
        benchmark::DoNotOptimize(contents);
    }
    state.counters["memory/file"] = memoryPerFileByte;
}
BENCHMARK(BM_ReadWordLibrary)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_WriteWordLibrary(benchmark::State& state) {
    const LibraryFolder folder(static_cast<int>(state.range(0)));
    const LibraryContents contents = ReadWordLibrary(folder.dir.path(), "big.dat");
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteWordLibrary(folder.dir.path(), "copy.dat", contents.entries));
    }
}
BENCHMARK(BM_WriteWordLibrary)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The yardstick for reading: `wc -l` on the same file, process start included.
void BM_WcLines(benchmark::State& state) {
    const LibraryFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QProcess wc;
        wc.setStandardOutputFile(QProcess::nullDevice());
        wc.start("wc", {"-l", folder.path()});
        wc.waitForFinished();
    }
}
BENCHMARK(BM_WcLines)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
