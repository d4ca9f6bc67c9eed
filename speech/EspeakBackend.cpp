#include "speech/EspeakBackend.h"

#include "speech/EspeakSynth.h"
#include "speech/VoiceId.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>

namespace {

QUuid IdOf(const EspeakSynth::Voice& voice) {
    return VoiceId(QStringLiteral("espeak-ng:") + QString::fromUtf8(voice.identifier));
}

// The voice the default mode id stands for: Received Pronunciation where it is installed, else
// the plain British voice, else any English one.
const EspeakSynth::Voice* BritishVoice(const std::vector<EspeakSynth::Voice>& voices) {
    constexpr std::array<QByteArrayView, 3> kPreferred{"en-gb-x-rp", "en-gb", "en"};
    for (const QByteArrayView language : kPreferred) {
        const auto voice = std::ranges::find(voices, language, &EspeakSynth::Voice::language);
        if (voice != voices.end()) {
            return &*voice;
        }
    }
    return nullptr;
}

const EspeakSynth::Voice* VoiceOf(const QUuid& id) {
    const std::vector<EspeakSynth::Voice>& voices = EspeakSynth::Instance().EnglishVoices();
    if (id == kDefaultModeId) {
        return BritishVoice(voices);
    }
    const auto voice = std::ranges::find(voices, id, IdOf);
    return voice == voices.end() ? nullptr : &*voice;
}

VoiceInfo InfoOf(const EspeakSynth::Voice& voice) {
    return {voice.name, IdOf(voice), true};
}

class EspeakVoice final : public SpeakingVoice {
public:
    explicit EspeakVoice(QByteArray identifier) : identifier_(std::move(identifier)) {}

    void Speak(const QString& text) override { EspeakSynth::Instance().Speak(identifier_, text); }

private:
    QByteArray identifier_;
};

} // namespace

std::vector<VoiceInfo> EspeakBackend::Voices() {
    std::vector<VoiceInfo> voices;
    for (const EspeakSynth::Voice& voice : EspeakSynth::Instance().EnglishVoices()) {
        voices.push_back(InfoOf(voice));
    }
    return voices;
}

std::unique_ptr<SpeakingVoice> EspeakBackend::Open(const QUuid& id) {
    const EspeakSynth::Voice* voice = VoiceOf(id);
    if (voice == nullptr) {
        return nullptr;
    }
    EspeakSynth::Instance().Prepare();
    return std::make_unique<EspeakVoice>(voice->identifier);
}

std::optional<VoiceInfo> EspeakBackend::VoiceFor(const QUuid& id) {
    const EspeakSynth::Voice* voice = VoiceOf(id);
    return voice == nullptr ? std::nullopt : std::optional(InfoOf(*voice));
}
