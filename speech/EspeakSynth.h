#pragma once

#include "speech/AudioOutput.h"
#include "speech/LatestRequest.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

// The built-in synthesizer, libespeak-ng, which it uses through EspeakSession like every other
// user of the library. There is one per process, started on first use. It works on a thread of
// its own, one utterance at a time: each is synthesised whole (the library is held for a few
// milliseconds) and then played, piece by piece, to its output. Listing the voices needs no
// sound: the library's output and the sound output are made ready only once a voice is opened,
// so a program that never speaks never reaches the sound server.
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

    // Makes the output ready on the synthesizer's thread and returns at once, so that the
    // first word to come is not delayed by reaching the sound server.
    void Prepare();

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
        QByteArray identifier; // empty when the output is only to be made ready
        QString text;
    };

    EspeakSynth();
    ~EspeakSynth();

    void Run();
    void PrepareOutput();
    void Say(const Request& request);
    void Play(std::span<const short> sound, int sampleRate);
    std::shared_ptr<AudioOutput> Output();

    std::vector<Voice> voices_;
    LatestRequest<Request> requests_;
    std::mutex outputMutex_;
    std::shared_ptr<AudioOutput> output_; // guarded by outputMutex_
    // The worker's own state.
    std::shared_ptr<AudioOutput> lastOutput_; // the one that spoke the last utterance
    std::thread worker_;
};
