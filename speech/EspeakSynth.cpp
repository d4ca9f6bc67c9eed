#include "speech/EspeakSynth.h"

#include "speech/EspeakSession.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>

namespace {

bool IsEnglish(QByteArrayView language) {
    return language == "en" || language.startsWith("en-");
}

// The voices' language lists are pairs of a priority byte and a NUL-terminated code, ended by
// a zero byte; the first code is the voice's own language.
QByteArray FirstLanguage(const char* languages) {
    return languages[0] == 0 ? QByteArray() : QByteArray(languages + 1);
}

// The session is there to show that the engine is held while the list is read.
std::vector<EspeakSynth::Voice> ListEnglishVoices(const EspeakSession& /*held*/) {
    std::vector<EspeakSynth::Voice> voices;
    for (const espeak_VOICE** voice = espeak_ListVoices(nullptr); *voice != nullptr; ++voice) {
        const QByteArray identifier((*voice)->identifier);
        const QByteArray language = FirstLanguage((*voice)->languages);
        // Voices in mb/ need the separate MBROLA synthesizer and its voice data.
        if (!IsEnglish(language) || identifier.startsWith("mb/")) {
            continue;
        }
        voices.push_back(
            {identifier, language, QString::fromUtf8((*voice)->name).replace(u'_', u' ')});
    }
    std::ranges::sort(voices, {}, &EspeakSynth::Voice::identifier);
    return voices;
}

} // namespace

EspeakSynth& EspeakSynth::Instance() {
    static EspeakSynth synth;
    return synth;
}

EspeakSynth::EspeakSynth() {
    {
        EspeakSession session;
        if (!session.Ready()) {
            return;
        }
        voices_ = ListEnglishVoices(session);
    }
    worker_ = std::thread(&EspeakSynth::Run, this);
}

// The engine itself stays: it belongs to the sessions.
EspeakSynth::~EspeakSynth() {
    if (worker_.joinable()) {
        requests_.Close();
        worker_.join();
    }
}

void EspeakSynth::Prepare() {
    if (worker_.joinable()) {
        requests_.Post({});
    }
}

void EspeakSynth::Speak(const QByteArray& identifier, const QString& text) {
    if (worker_.joinable()) {
        requests_.Post({identifier, text});
    }
}

void EspeakSynth::SetOutput(std::shared_ptr<AudioOutput> output) {
    std::lock_guard lock(outputMutex_);
    output_ = std::move(output);
}

std::shared_ptr<AudioOutput> EspeakSynth::Output() {
    std::lock_guard lock(outputMutex_);
    if (output_ == nullptr) {
        output_ = DefaultSoundOutput();
    }
    return output_;
}

void EspeakSynth::Run() {
    while (const std::optional<Request> request = requests_.Take()) {
        PrepareOutput();
        if (request->identifier.isEmpty()) {
            continue;
        }
        if (lastOutput_ != nullptr) {
            lastOutput_->Cut();
        }
        Say(*request);
    }
}

// The library's output (which reaches the sound server as it is made, though the library
// never plays to it) and the sound output, each made once.
void EspeakSynth::PrepareOutput() {
    {
        EspeakSession session;
        if (!session.PrepareSynthesis()) {
            return;
        }
    }
    Output();
}

// A newer word ends the work on this one wherever it is: a word given up before it was
// synthesised whole is never heard.
void EspeakSynth::Say(const Request& request) {
    std::vector<short> sound;
    int sampleRate = 0;
    {
        EspeakSession session;
        if (!session.SelectVoice(request.identifier)) {
            return;
        }
        sampleRate = session.SampleRate();
        session.Synthesize(request.text, [&](std::span<const short> piece) {
            if (requests_.Superseded()) {
                return false;
            }
            sound.insert(sound.end(), piece.begin(), piece.end());
            return true;
        });
    }
    if (!requests_.Superseded()) {
        Play(sound, sampleRate);
    }
}

// Played in pieces as long as those synthesis hands on, so that a newer word silences this one
// within a piece.
void EspeakSynth::Play(std::span<const short> sound, int sampleRate) {
    lastOutput_ = Output();
    lastOutput_->Begin(sampleRate);
    const auto piece = static_cast<std::size_t>(sampleRate * EspeakSession::kPieceMs / 1000);
    for (std::size_t at = 0; at < sound.size() && !requests_.Superseded(); at += piece) {
        lastOutput_->Write(sound.subspan(at, std::min(piece, sound.size() - at)));
    }
    if (requests_.Superseded()) {
        lastOutput_->Cut();
    }
    lastOutput_->End();
}
