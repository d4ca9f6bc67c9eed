#pragma once

#include "speech/SpeechBackend.h"

#include <optional>

// The voices of the built-in synthesizer (libespeak-ng), always there. Each voice's id is made
// from "espeak-ng:" and its identifier; the default mode id names the British English voice.
class EspeakBackend final : public SpeechBackend {
public:
    std::vector<VoiceInfo> Voices() override;
    std::unique_ptr<SpeakingVoice> Open(const QUuid& id) override;

    // The listed voice that speaks for the id; nothing when there is none.
    std::optional<VoiceInfo> VoiceFor(const QUuid& id);
};
