#pragma once

#include "speech/AudioOutput.h"
#include "speech/LatestRequest.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The built-in synthesizer, libespeak-ng. The library keeps its state in globals, so there is
// one synthesizer per process, started on first use. It synthesises on a thread of its own, one
// utterance at a time, and sends the sound to its output while it is being made.
class EspeakSynth {
public:
    struct Voice {
        QByteArray identifier; // the voice file within espeak-ng-data/voices: "gmw/en-GB-x-rp"
        QByteArray language;   // its language code: "en-gb-x-rp"
        QString name;          // "English (Received Pronunciation)"
    };

    static EspeakSynth& Instance();

    // The installed English voices, sorted by identifier; none when the library cannot start.
    const std::vector<Voice>& EnglishVoices() const { return voices_; }

    // Starts speaking the text with the voice of that identifier and returns at once. The
    // utterance being spoken, whichever voice speaks it, is cut off.
    void Speak(const QByteArray& identifier, const QString& text);

    // Where the sound goes from the next utterance on; the default sound output unless set
    // (or set to nullptr).
    void SetOutput(std::shared_ptr<AudioOutput> output);

    EspeakSynth(const EspeakSynth&) = delete;
    EspeakSynth& operator=(const EspeakSynth&) = delete;

private:
    struct Request {
        QByteArray identifier;
        QString text;
    };

    EspeakSynth();
    ~EspeakSynth();

    void Run();
    void Say(const Request& request);
    std::shared_ptr<AudioOutput> Output();
    bool TakeSamples(const short* samples, int count);

    std::vector<Voice> voices_;
    int sampleRate_ = 0;
    LatestRequest<Request> requests_;
    std::mutex outputMutex_;
    std::shared_ptr<AudioOutput> output_; // guarded by outputMutex_
    // The worker's own state.
    std::shared_ptr<AudioOutput> lastOutput_; // the one that spoke the last utterance
    QByteArray voiceInUse_;
    std::thread worker_;
};
