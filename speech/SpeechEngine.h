#pragma once

#include <QString>
#include <QUuid>

#include <memory>

class SpeakingVoice;

enum class SpeechStatus {
    Ok,
    AlreadySelected, // SelectMode on an instance that already has a voice
    NoSuchVoice,     // no installed voice has the mode id, or it cannot speak
    NoModeSelected,  // Speak on an instance without a voice
};

// One speaking instance bound to one voice on the default sound output. It is created empty;
// releasing it (destroying it) releases its voice.
class SpeechEngine {
public:
    SpeechEngine();
    ~SpeechEngine();

    // Binds the instance to the voice named by the mode id.
    SpeechStatus SelectMode(const QUuid& modeId);

    // Starts speaking the text and returns at once; a word still being spoken is cut off, so
    // speech never falls behind the caller. Failures to make a sound are silent.
    SpeechStatus Speak(const QString& text);

private:
    std::unique_ptr<SpeakingVoice> voice_;
};

// Fills the engine slot with a new engine bound to the mode id, destroying the one it held.
// Returns whether the slot now holds an engine whose voice was selected; on failure the slot
// is left empty.
bool StartSpeechEngine(std::unique_ptr<SpeechEngine>& slot, const QUuid& modeId);
