#pragma once

#include "speech/SpeechBackend.h"

#include <chrono>

// The English voices of the desktop's speech service, speech-dispatcher (started by its client
// library when it is installed but not running). Each voice's id is made from "speechd:", the
// output module and the voice name. The service's espeak modules are left out: they offer the
// built-in voices again.
//
// A service that is absent or does not answer within kAnswerLimit offers no voices and opens
// none; nothing waits longer, nothing is reported. One thread at a time asks the service
// (SingleWorker): one that hangs is not joined by another each time the voices are asked for.
class SpeechdBackend final : public SpeechBackend {
public:
    static constexpr std::chrono::milliseconds kAnswerLimit{300};

    std::vector<VoiceInfo> Voices() override;
    std::unique_ptr<SpeakingVoice> Open(const QUuid& id) override;
};
