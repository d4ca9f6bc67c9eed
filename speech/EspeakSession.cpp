#include "speech/EspeakSession.h"

#include "speech/EnglishVoiceText.h"

#include <espeak-ng/espeak_ng.h>

#include <QSet>

#include <cstdint>

namespace {

using SoundTaker = std::function<bool(std::span<const short>)>;

struct EngineState {
    std::mutex mutex;
    bool initialised = false;
    bool ready = false;
    bool outputReady = false;
    int sampleRate = 0;
    QByteArray voice;               // the voice in force, empty when unknown
    QSet<QByteArray> missingVoices; // names the engine has no voice for
};

EngineState& Engine() {
    static EngineState state;
    return state;
}

// Each synthesis passes its taker as the events' user data; the last call has no samples.
int TakeSound(short* samples, int count, espeak_EVENT* events) {
    const auto& take = *static_cast<const SoundTaker*>(events->user_data);
    if (samples == nullptr || count <= 0) {
        return 0;
    }
    return take(std::span<const short>(samples, static_cast<std::size_t>(count))) ? 0 : 1;
}

// Rather than espeak_Initialize, which ends the process when the data is missing, reports no
// failure and prepares the output as well.
bool Initialise() {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const bool initialised = espeak_ng_Initialize(&context) == ENS_OK;
    espeak_ng_ClearErrorContext(&context);
    return initialised;
}

// As the espeak-ng command does with its -v option: a voice file of that name, else the best
// voice for the language of that name ("en-gb" names no file).
bool SetVoice(const QByteArray& name) {
    if (espeak_ng_SetVoiceByName(name.constData()) == ENS_OK) {
        return true;
    }
    espeak_VOICE properties{};
    properties.languages = name.constData();
    return espeak_ng_SetVoiceByProperties(&properties) == ENS_OK;
}

// A voice change is queued, a copy of the voice with it, for the wave generator, which takes
// (and frees) it only when it synthesises. Changes made for transcriptions alone would pile up
// and overrun the queue, leaking their copies; synthesising nothing takes each one at once.
// Without output nothing can be synthesised: the changes wait for PrepareSynthesis.
void TakeVoiceChanges() {
    const SoundTaker discard = [](std::span<const short>) { return true; };
    const char nothing[] = "";
    espeak_ng_Synthesize(nothing, sizeof nothing, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         const_cast<SoundTaker*>(&discard));
}

// Whether the engine's pointer into the text still points into it: the engine moves it clause
// by clause and sets it to null after the last one.
bool Inside(const void* at, const QByteArray& text) {
    const auto address = reinterpret_cast<std::uintptr_t>(at);
    const auto begin = reinterpret_cast<std::uintptr_t>(text.constData());
    return at != nullptr && address >= begin &&
           address < begin + static_cast<std::uintptr_t>(text.size());
}

} // namespace

EspeakSession::EspeakSession() : lock_(Engine().mutex) {
    EngineState& engine = Engine();
    if (!engine.initialised) {
        engine.initialised = true;
        engine.ready = Initialise();
        engine.sampleRate = engine.ready ? espeak_ng_GetSampleRate() : 0;
    }
}

bool EspeakSession::Ready() const {
    return Engine().ready;
}

bool EspeakSession::PrepareSynthesis() {
    EngineState& engine = Engine();
    if (engine.ready && !engine.outputReady) {
        engine.outputReady =
            espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kPieceMs, nullptr) == ENS_OK;
        if (engine.outputReady) {
            espeak_SetSynthCallback(TakeSound);
            if (!engine.voice.isEmpty()) {
                TakeVoiceChanges();
            }
        }
    }
    return engine.outputReady;
}

bool EspeakSession::SelectVoice(const QByteArray& name) {
    EngineState& engine = Engine();
    if (!engine.ready || engine.missingVoices.contains(name)) {
        return false;
    }
    if (engine.voice == name) {
        return true;
    }
    if (!SetVoice(name)) {
        // A name that selected nothing is not asked for again, so the voice in force stays
        // known.
        engine.missingVoices.insert(name);
        engine.voice.clear();
        return false;
    }
    if (engine.outputReady) {
        TakeVoiceChanges();
    }
    engine.voice = name;
    return true;
}

int EspeakSession::SampleRate() const {
    return Engine().sampleRate;
}

QString EspeakSession::Transcribe(const QString& text) {
    const QByteArray read = TextForEnglishVoice(text);
    if (!Engine().ready || Engine().voice.isEmpty() || read.isEmpty()) {
        return {};
    }
    QString ipa;
    const void* rest = read.constData();
    // Each call gives the phonemes of one clause and moves on to the next; the text ends with
    // its NUL.
    while (Inside(rest, read)) {
        const void* clauseStart = rest;
        const char* clause = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (clause != nullptr && *clause != '\0') {
            if (!ipa.isEmpty()) {
                ipa += u' ';
            }
            ipa += QString::fromUtf8(clause);
        }
        if (rest == clauseStart) {
            break;
        }
    }
    return ipa;
}

void EspeakSession::Synthesize(const QString& text, const SoundTaker& take) {
    const QByteArray read = TextForEnglishVoice(text);
    if (!Engine().outputReady || Engine().voice.isEmpty() || read.isEmpty()) {
        return;
    }
    espeak_ng_Synthesize(read.constData(), static_cast<size_t>(read.size()) + 1, 0, POS_CHARACTER,
                         0, espeakCHARS_UTF8, nullptr, const_cast<SoundTaker*>(&take));
}
