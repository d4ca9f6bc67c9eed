#include "speech/EspeakSession.h"

#include <espeak-ng/espeak_ng.h>

namespace {

struct EngineState {
    std::mutex mutex;
    bool initialised = false;
    bool ready = false;
    QByteArray voice; // the voice in force, empty when unknown
};

EngineState& Engine() {
    static EngineState state;
    return state;
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

} // namespace

EspeakSession::EspeakSession() : lock_(Engine().mutex) {
    EngineState& engine = Engine();
    if (!engine.initialised) {
        engine.initialised = true;
        // Rather than espeak_Initialize, which ends the process when the data is missing or
        // reports no failure.
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        engine.ready = espeak_ng_Initialize(&context) == ENS_OK &&
                       espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) == ENS_OK;
        espeak_ng_ClearErrorContext(&context);
    }
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
    engine.voice = name;
    return true;
}
