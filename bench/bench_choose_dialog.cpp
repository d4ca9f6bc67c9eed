#include "bench/BenchLibrary.h"
#include "library/Catalogue.h"
#include "library/LibraryFile.h"
#include "library/ui/CChooseLibraryDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

using Clock = std::chrono::steady_clock;

// A program folder whose catalogue offers a small library and one of a million entries.
struct ChooseFolder {
    ChooseFolder() {
        QDir(dir.path()).mkpath("data");
        Write("data/small.dat", MakeLibraryText(10));
        Write("data/big.dat", MakeLibraryText(1'000'000));
        Write("table.ini", "Small#small.dat\r\nBig#big.dat\r\n");
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    QTemporaryDir dir;
};

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The quickest of as many reads of the library alone, as the main window reads it.
double ReadAloneMs(const QString& folder, benchmark::IterationCount reads) {
    double quickest = std::numeric_limits<double>::max();
    for (benchmark::IterationCount i = 0; i < reads; ++i) {
        const Clock::time_point start = Clock::now();
        {
            const LibraryContents contents = ReadWordLibrary(folder, "big.dat");
            benchmark::DoNotOptimize(contents.entries.size());
        }
        quickest = std::min(quickest, MillisecondsSince(start));
    }
    return quickest;
}

// Picking the million-entry library in the open dialog until its table is drawn; "read_ms" is
// reading the same library alone in the same run, as often, "dialog/read" the ratio of the
// quickest times of the two.
void BM_ChooseLibraryInDialog(benchmark::State& state) {
    const ChooseFolder folder;
    const QString path = folder.dir.path();
    const LibraryContents small = ReadWordLibrary(path, "small.dat");
    CChooseLibraryDlg dialog(path, ReadCatalogue(path), small.entries, "small.dat", "Small");
    dialog.show();
    QCoreApplication::processEvents();
    auto* names = dialog.findChild<QComboBox*>("names");

    double quickest = std::numeric_limits<double>::max();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        names->setCurrentIndex(1);
        emit names->activated(1);
        QCoreApplication::processEvents(); // lays out and paints the new rows
        quickest = std::min(quickest, MillisecondsSince(start));
    }
    const double read = ReadAloneMs(path, state.iterations());
    state.counters["pick_ms"] = quickest;
    state.counters["read_ms"] = read;
    state.counters["dialog/read"] = quickest / read;
}
BENCHMARK(BM_ChooseLibraryInDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
