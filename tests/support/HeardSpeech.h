#pragma once

// Judging what the built-in synthesizer said, from the samples it wrote to a MemoryAudio.

#include "speech/MemoryAudio.h"

#include <QUuid>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <vector>

// The ids of two built-in voices.
inline const QUuid kReceivedPronunciation("{57E3E58C-3077-59D7-AEE8-49200538D55E}");
inline const QUuid kAmerican("{93891526-66BB-5E5E-B8D2-BCDADDCF6A7A}");

// The loudest sample from `from` on.
inline int Peak(const std::vector<short>& samples, std::size_t from = 0) {
    int peak = 0;
    for (std::size_t i = from; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
    }
    return peak;
}

inline double Seconds(const MemoryAudio::Utterance& utterance) {
    return utterance.sampleRate == 0 ? 0.0
                                     : double(utterance.samples.size()) / utterance.sampleRate;
}

// Loudness every 10 ms.
inline std::vector<double> Envelope(const std::vector<short>& samples) {
    constexpr std::size_t kFrame = 220;
    std::vector<double> envelope;
    for (std::size_t start = 0; start + kFrame <= samples.size(); start += kFrame) {
        double energy = 0;
        for (std::size_t i = start; i < start + kFrame; ++i) {
            energy += double(samples[i]) * samples[i];
        }
        envelope.push_back(std::sqrt(energy / kFrame));
    }
    return envelope;
}

// How alike two utterances sound: the correlation of their loudness over time, 1 for the same.
// The synthesizer carries a little state from one utterance to the next, so saying a word
// twice gives nearly, not exactly, the same samples.
inline double Likeness(const std::vector<short>& a, const std::vector<short>& b) {
    std::vector<double> x = Envelope(a);
    std::vector<double> y = Envelope(b);
    const std::size_t n = std::max(x.size(), y.size());
    if (n == 0) {
        return 0;
    }
    x.resize(n);
    y.resize(n);
    const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double meanY = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        xy += (x[i] - meanX) * (y[i] - meanY);
        xx += (x[i] - meanX) * (x[i] - meanX);
        yy += (y[i] - meanY) * (y[i] - meanY);
    }
    return xx == 0 || yy == 0 ? 0 : xy / std::sqrt(xx * yy);
}

inline bool SoundAlike(const std::vector<short>& a, const std::vector<short>& b) {
    const double lengths = double(a.size()) / std::max<std::size_t>(b.size(), 1);
    return lengths > 0.95 && lengths < 1.05 && Likeness(a, b) > 0.97;
}
