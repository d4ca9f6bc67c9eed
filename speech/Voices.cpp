#include "speech/Voices.h"

#include "speech/EspeakBackend.h"
#include "speech/EspeakSynth.h"
#include "speech/SpeechdBackend.h"

#include <array>
#include <thread>

namespace {

EspeakBackend& BuiltIn() {
    static EspeakBackend builtIn;
    return builtIn;
}

std::array<SpeechBackend*, 2> Backends() {
    static SpeechdBackend service;
    return {&BuiltIn(), &service};
}

// The loading thread, waited for at exit if the program ends while it still runs.
struct Loader {
    std::thread thread;
    ~Loader() {
        if (thread.joinable()) {
            thread.join();
        }
    }
};

} // namespace

std::vector<VoiceInfo> InstalledVoices() {
    std::vector<VoiceInfo> voices;
    for (SpeechBackend* backend : Backends()) {
        std::vector<VoiceInfo> more = backend->Voices();
        voices.insert(voices.end(), more.begin(), more.end());
    }
    return voices;
}

std::unique_ptr<SpeakingVoice> OpenVoice(const QUuid& id) {
    for (SpeechBackend* backend : Backends()) {
        if (std::unique_ptr<SpeakingVoice> voice = backend->Open(id)) {
            return voice;
        }
    }
    return nullptr;
}

QUuid ListedId(const QUuid& modeId) {
    const std::optional<VoiceInfo> builtIn = BuiltIn().VoiceFor(modeId);
    return builtIn ? builtIn->id : modeId;
}

void StartLoadingVoices() {
    static Loader loader{std::thread([] { EspeakSynth::Instance(); })};
}
