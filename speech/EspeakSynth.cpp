#include "speech/EspeakSynth.h"

#include <espeak-ng/espeak_ng.h>

#include <algorithm>

namespace {

// The sound is handed on in pieces of this length, so that a word starts playing while the
// rest of it is still being made.
constexpr int kPieceMs = 20;

bool IsEnglish(QByteArrayView language) {
    return language == "en" || language.startsWith("en-");
}

// The voices' language lists are pairs of a priority byte and a NUL-terminated code, ended by
// a zero byte; the first code is the voice's own language.
QByteArray FirstLanguage(const char* languages) {
    return languages[0] == 0 ? QByteArray() : QByteArray(languages + 1);
}

std::vector<EspeakSynth::Voice> ListEnglishVoices() {
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
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    // Synchronous output: the sound comes back through the callback on the calling thread.
    if (status != ENS_OK ||
        espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kPieceMs, nullptr) != ENS_OK) {
        return;
    }
    espeak_SetSynthCallback([](short* samples, int count, espeak_EVENT* events) {
        auto* synth = static_cast<EspeakSynth*>(events->user_data);
        return synth->TakeSamples(samples, count) ? 0 : 1;
    });
    sampleRate_ = espeak_ng_GetSampleRate();
    voices_ = ListEnglishVoices();
    worker_ = std::thread(&EspeakSynth::Run, this);
}

EspeakSynth::~EspeakSynth() {
    if (worker_.joinable()) {
        requests_.Close();
        worker_.join();
        espeak_ng_Terminate();
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
        if (lastOutput_ != nullptr) {
            lastOutput_->Cut();
        }
        Say(*request);
    }
}

void EspeakSynth::Say(const Request& request) {
    if (request.identifier != voiceInUse_) {
        voiceInUse_.clear();
        if (espeak_ng_SetVoiceByName(request.identifier.constData()) != ENS_OK) {
            return;
        }
        voiceInUse_ = request.identifier;
    }
    lastOutput_ = Output();
    lastOutput_->Begin(sampleRate_);
    const QByteArray text = request.text.toUtf8();
    espeak_ng_Synthesize(text.constData(), static_cast<size_t>(text.size()) + 1, 0, POS_CHARACTER,
                         0, espeakCHARS_UTF8, nullptr, this);
    if (requests_.Superseded()) {
        lastOutput_->Cut();
    }
    lastOutput_->End();
}

bool EspeakSynth::TakeSamples(const short* samples, int count) {
    if (requests_.Superseded()) {
        return false;
    }
    if (samples != nullptr && count > 0) {
        lastOutput_->Write(std::span(samples, static_cast<std::size_t>(count)));
    }
    return true;
}
