#include "speech/VoiceList.h"

#include "speech/Voices.h"

#include <algorithm>

VoiceList::VoiceList() : VoiceList(InstalledVoices()) {}

VoiceList::VoiceList(std::vector<VoiceInfo> voices) : voices_(std::move(voices)) {}

VoiceList::~VoiceList() = default;

QStringList VoiceList::EntryTexts() const {
    QStringList texts;
    for (const VoiceInfo& voice : voices_) {
        texts.append(EntryText(voice));
    }
    return texts;
}

std::optional<QUuid> VoiceList::IdAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= voices_.size()) {
        return std::nullopt;
    }
    return voices_[static_cast<std::size_t>(index)].id;
}

std::optional<int> VoiceList::IndexOf(const QUuid& modeId) const {
    const QUuid listed = ListedId(modeId);
    const auto voice = std::ranges::find(voices_, listed, &VoiceInfo::id);
    if (voice == voices_.end()) {
        return std::nullopt;
    }
    return static_cast<int>(voice - voices_.begin());
}

void VoiceList::SpeakTestPhrase(int index) {
    const std::optional<QUuid> id = IdAt(index);
    if (id && StartSpeechEngine(testEngine_, *id)) {
        testEngine_->Speak(QStringLiteral("Lexado"));
    }
}

QString EntryText(const VoiceInfo& voice) {
    return voice.anyWord ? voice.displayName
                         : voice.displayName + QStringLiteral(" (Can only speak specific words!)");
}
