#include "speech/EspeakSession.h"

#include <espeak-ng/espeak_ng.h>

namespace {

using SoundTaker = std::function<bool(std::span<const short>)>;

struct EngineState {
    std::mutex mutex;
    bool initialised = false;
    bool ready = false;
    int sampleRate = 0;
    QByteArray voice; // the voice in force, empty when unknown
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

// Rather than espeak_Initialize, which ends the process when the data is missing or reports
// no failure.
bool Initialise() {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const bool initialised = espeak_ng_Initialize(&context) == ENS_OK;
    espeak_ng_ClearErrorContext(&context);
    if (!initialised || espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS,
                                                   EspeakSession::kPieceMs, nullptr) != ENS_OK) {
        return false;
    }
    espeak_SetSynthCallback(TakeSound);
    return true;
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
void TakeVoiceChange() {
    const SoundTaker discard = [](std::span<const short>) { return true; };
    const char nothing[] = "";
    espeak_ng_Synthesize(nothing, sizeof nothing, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         const_cast<SoundTaker*>(&discard));
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

bool EspeakSession::SelectVoice(const QByteArray& name) {
    EngineState& engine = Engine();
    if (!engine.ready) {
        return false;
    }
    if (engine.voice == name) {
        return true;
    }
    if (!SetVoice(name)) {
        engine.voice.clear();
        return false;
    }
    TakeVoiceChange();
    engine.voice = name;
    return true;
}

int EspeakSession::SampleRate() const {
    return Engine().sampleRate;
}

void EspeakSession::Synthesize(const QString& text, const SoundTaker& take) {
    if (!Engine().ready || Engine().voice.isEmpty()) {
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    espeak_ng_Synthesize(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER,
                         0, espeakCHARS_UTF8, nullptr, const_cast<SoundTaker*>(&take));
}
