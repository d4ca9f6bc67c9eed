#pragma once

#include <memory>
#include <span>

// Where the built-in synthesizer sends its sound, one utterance after another. Called from
// the synthesizer's own thread only.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // A new utterance of 16-bit mono samples at this rate begins.
    virtual void Begin(int sampleRate) = 0;
    // The next samples of the utterance, in order.
    virtual void Write(std::span<const short> samples) = 0;
    // The utterance has been synthesised whole or given up; what was written still plays.
    virtual void End() = 0;
    // Silences at once whatever of the last utterance has not been played yet: before End when
    // the utterance is given up for a newer one, and before every new utterance.
    virtual void Cut() = 0;
};

// The system's default sound output: the desktop's sound server where one answers, otherwise
// the default ALSA device. It is reached only when made, so a program that never speaks leaves
// both alone. Failing to reach it is silent: the sound is dropped.
std::shared_ptr<AudioOutput> DefaultSoundOutput();
