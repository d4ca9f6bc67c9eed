#include "bench/BenchLibrary.h"
#include "recitation/RecitationEngine.h"

#include <benchmark/benchmark.h>

namespace {

// One NextEntry in each browsing mode over a million entries: the work of one word timer
// expiry before the window paints.
void BM_NextEntry(benchmark::State& state) {
    const WordList words =
        WordList::FromText(MakeLibraryText(1'000'000), WordList::ShortLines::DropAfterFirst);
    SettingsRecord settings = DefaultSettings(96, {});
    settings.grouping = state.range(0) & 1;
    settings.orderedBrowse = (state.range(0) >> 1) & 1;
    RecitationEngine engine;
    engine.Start(settings, words);
    engine.RunTimers(false);
    engine.Seed(1);
    for (auto _ : state) {
        engine.NextEntry();
    }
}
BENCHMARK(BM_NextEntry)->ArgName("mode")->DenseRange(0, 3);

} // namespace
