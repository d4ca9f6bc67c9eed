#include "speech/MemoryAudio.h"

#include <algorithm>

void MemoryAudio::Begin(int sampleRate) {
    {
        std::lock_guard lock(mutex_);
        Utterance& utterance = utterances_.emplace_back();
        utterance.sampleRate = sampleRate;
        utterance.begun = Clock::now();
    }
    changed_.notify_all();
}

void MemoryAudio::Write(std::span<const short> samples) {
    std::lock_guard lock(mutex_);
    Utterance& utterance = utterances_.back();
    if (utterance.samples.empty()) {
        utterance.firstSample = Clock::now();
    }
    utterance.samples.insert(utterance.samples.end(), samples.begin(), samples.end());
}

void MemoryAudio::End() {
    {
        std::lock_guard lock(mutex_);
        utterances_.back().finished = true;
    }
    changed_.notify_all();
}

void MemoryAudio::Cut() {
    std::lock_guard lock(mutex_);
    if (utterances_.empty()) {
        return;
    }
    Utterance& utterance = utterances_.back();
    // Given up while it was being made.
    if (!utterance.finished) {
        utterance.cut = true;
    }
    if (utterance.samples.empty()) {
        return;
    }
    const auto playing = std::chrono::duration<double>(Clock::now() - utterance.firstSample);
    const auto played = static_cast<std::size_t>(playing.count() * utterance.sampleRate);
    if (played < utterance.samples.size()) {
        utterance.samples.resize(played);
        utterance.cut = true;
    }
}

std::vector<MemoryAudio::Utterance> MemoryAudio::WaitFor(std::size_t count, bool finished,
                                                         std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit,
                      [&] { return (finished ? CountFinished() : utterances_.size()) >= count; });
    return utterances_;
}

std::size_t MemoryAudio::CountFinished() const {
    return static_cast<std::size_t>(std::ranges::count_if(
        utterances_, [](const Utterance& utterance) { return utterance.finished; }));
}
