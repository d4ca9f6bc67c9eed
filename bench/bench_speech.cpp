#include "library/LineFields.h"
#include "library/WordList.h"
#include "recitation/RecitationEngine.h"
#include "speech/EspeakBackend.h"
#include "speech/EspeakSynth.h"
#include "speech/MemoryAudio.h"
#include "speech/SpeechEngine.h"
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

// The same on the window's path: from the engine showing a one-word entry (NextEntry, as the
// word timer's expiry calls it) to the first sample. The engine hands the word on before the
// window lays the entry out and paints it.
void BM_ShowEntryToFirstSample(benchmark::State& state) {
    SettingsRecord settings = DefaultSettings(96, {});
    settings.speechOn = true;
    RecitationEngine engine;
    engine.Start(settings, WordList::FromText("abandon#v. 放弃#əˈbændən\n",
                                              WordList::ShortLines::DropAfterFirst));
    engine.RunTimers(false);
    std::unique_ptr<SpeechEngine> slot;
    engine.SetSpeechReady(StartSpeechEngine(slot, kDefaultModeId));
    if (!engine.state().speechReady) {
        state.SkipWithError("the default voice does not start");
        return;
    }
    QObject::connect(&engine, &RecitationEngine::wordToSpeak,
                     [&slot](const QString& word) { slot->Speak(word); });
    auto audio = std::make_shared<MemoryAudio>();
    EspeakSynth::Instance().SetOutput(audio);

    std::size_t spoken = 0;
    for (auto _ : state) {
        const MemoryAudio::Clock::time_point start = MemoryAudio::Clock::now();
        engine.NextEntry();
        const std::vector<MemoryAudio::Utterance> heard = audio->WaitFor(++spoken, true);
        state.SetIterationTime(
            std::chrono::duration<double>(heard.back().firstSample - start).count());
    }
    EspeakSynth::Instance().SetOutput(nullptr);
}
BENCHMARK(BM_ShowEntryToFirstSample)
    ->UseManualTime()
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

} // namespace
