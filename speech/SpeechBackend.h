#pragma once

#include <QString>
#include <QUuid>

#include <memory>
#include <vector>

// One installed voice as a back end offers it.
struct VoiceInfo {
    QString displayName;
    QUuid id;            // stable from run to run; what the settings store as the mode id
    bool anyWord = true; // false for a voice that can only speak the words it was built for
};

// A speaking instance bound to one voice on the default sound output. Releasing it (destroying
// it) lets a word it already handed on finish.
class SpeakingVoice {
public:
    virtual ~SpeakingVoice() = default;

    // Starts speaking the text and returns at once. A word of this back end still being spoken
    // is cut off: speech never falls behind the caller.
    virtual void Speak(const QString& text) = 0;
};

// A source of voices: the built-in synthesizer or the desktop's speech service.
class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;

    // The English voices, always in the same order.
    virtual std::vector<VoiceInfo> Voices() = 0;

    // An instance speaking with the voice of that id; nullptr when the back end has no such
    // voice or cannot speak with it.
    virtual std::unique_ptr<SpeakingVoice> Open(const QUuid& id) = 0;
};
