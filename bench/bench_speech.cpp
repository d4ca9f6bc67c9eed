#include "speech/EspeakBackend.h"
#include "speech/EspeakSynth.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
#include "speech/SpokenWord.h"
#include "speech/VoiceId.h"

#include <benchmark/benchmark.h>

namespace {

// From handing the word of a one-word entry to the engine to the first sample of its sound,
// synthesising into memory. Argument 0: always the voice of a first start; argument 1: two
// voices in turn, so that every word first loads its voice.
void BM_SpeakToFirstSample(benchmark::State& state) {
    const std::vector<VoiceInfo> voices = EspeakBackend().Voices();
    if (voices.size() < 2) {
        state.SkipWithError("no built-in voices");
        return;
    }
    std::array<SpeechEngine, 2> engines;
    engines[0].SelectMode(kDefaultModeId);
    engines[1].SelectMode(voices.front().id);
    auto audio = std::make_shared<MemoryAudio>();
    EspeakSynth::Instance().SetOutput(audio);

    const QByteArray line = "abandon#v. 放弃#əˈbændən";
    std::size_t spoken = 0;
    for (auto _ : state) {
        SpeechEngine& engine = engines[state.range(0) * (spoken % 2)];
        const MemoryAudio::Clock::time_point start = MemoryAudio::Clock::now();
        engine.Speak(SpokenWord(line));
        const std::vector<MemoryAudio::Utterance> heard = audio->WaitFor(++spoken, true);
        state.SetIterationTime(
            std::chrono::duration<double>(heard.back().firstSample - start).count());
    }
    EspeakSynth::Instance().SetOutput(nullptr);
}
BENCHMARK(BM_SpeakToFirstSample)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

} // namespace
