#pragma once

#include "speech/SpeechBackend.h"
#include "speech/SpeechEngine.h"

#include <QStringList>

#include <optional>

// The voice list of the settings sheet's speech page: the entries of its drop-down list and,
// at the same indexes, the ids of their voices. Any number of voices.
class VoiceList {
public:
    // Lists the installed voices; waits at most the speech service's answer limit.
    VoiceList();
    explicit VoiceList(std::vector<VoiceInfo> voices);
    ~VoiceList();

    QStringList EntryTexts() const;

    // The id of the voice at the index; nothing when the index names no entry.
    std::optional<QUuid> IdAt(int index) const;

    // The index of the entry of the voice that speaks for the mode id (ListedId); nothing when
    // that voice is not listed.
    std::optional<int> IndexOf(const QUuid& modeId) const;

    // Speaks the test phrase "Lexado" with the voice at the index, with an engine of its own
    // that lives until the next test or the end of the list; nothing when the index names no
    // entry. Failures are silent.
    void SpeakTestPhrase(int index);

private:
    std::vector<VoiceInfo> voices_;
    std::unique_ptr<SpeechEngine> testEngine_;
};

// A voice's entry: its name, and a warning after the name of a voice that cannot speak any word.
QString EntryText(const VoiceInfo& voice);
