#pragma once

#include "speech/AudioOutput.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

// A sound output in memory, for tests and benchmarks: it keeps each utterance as a listener
// would have heard it. Samples play in real time from the first one written, so cutting an
// utterance off keeps only what had been played by then.
class MemoryAudio final : public AudioOutput {
public:
    using Clock = std::chrono::steady_clock;

    struct Utterance {
        int sampleRate = 0;
        std::vector<short> samples; // those heard
        Clock::time_point begun;    // when synthesis began
        Clock::time_point firstSample;
        bool finished = false; // synthesis is over, whole or given up
        bool cut = false;      // silenced before it had been played to the end
    };

    void Begin(int sampleRate) override;
    void Write(std::span<const short> samples) override;
    void End() override;
    void Cut() override;

    // The utterances so far, once `count` have begun (`finished` false) or finished (true);
    // what there is when that takes longer than `limit`.
    std::vector<Utterance> WaitFor(std::size_t count, bool finished,
                                   std::chrono::milliseconds limit = std::chrono::seconds(10));

private:
    std::size_t CountFinished() const;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Utterance> utterances_;
};
