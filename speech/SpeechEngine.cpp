#include "speech/SpeechEngine.h"

#include "speech/Voices.h"

SpeechEngine::SpeechEngine() = default;
SpeechEngine::~SpeechEngine() = default;

SpeechStatus SpeechEngine::SelectMode(const QUuid& modeId) {
    if (voice_ != nullptr) {
        return SpeechStatus::AlreadySelected;
    }
    voice_ = OpenVoice(modeId);
    return voice_ != nullptr ? SpeechStatus::Ok : SpeechStatus::NoSuchVoice;
}

SpeechStatus SpeechEngine::Speak(const QString& text) {
    if (voice_ == nullptr) {
        return SpeechStatus::NoModeSelected;
    }
    voice_->Speak(text);
    return SpeechStatus::Ok;
}

bool StartSpeechEngine(std::unique_ptr<SpeechEngine>& slot, const QUuid& modeId) {
    slot.reset();
    slot = std::make_unique<SpeechEngine>();
    if (slot->SelectMode(modeId) != SpeechStatus::Ok) {
        slot.reset();
        return false;
    }
    return true;
}
