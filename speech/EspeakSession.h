#pragma once

#include <QByteArray>

#include <mutex>

// libespeak-ng keeps one engine per process and is not thread-safe. Every part of the program
// that uses it does so through an EspeakSession, which holds a process-wide lock for as long as
// it lives:
//
// - the engine is initialised once per process, by the first session, for synchronous output
//   (ENOUTPUT_MODE_SYNCHRONOUS: sound comes back through the synthesis callback in the calling
//   thread and no thread of the library's own runs), so nothing runs on after a session ends;
// - the voice is chosen through SelectVoice, which remembers the voice in force, so that users
//   taking turns reselect only when another voice was chosen in between. Nobody calls
//   espeak_SetVoiceBy* directly, and nobody relies on the voice staying between sessions;
//   nothing is asked of the engine before a voice is chosen (it would crash);
// - the engine is never terminated: it lives until the process ends.
class EspeakSession {
public:
    EspeakSession();
    EspeakSession(const EspeakSession&) = delete;
    EspeakSession& operator=(const EspeakSession&) = delete;

    // Makes the voice of this name (an espeak-ng voice file such as "en-gb-x-rp", or a language
    // such as "en-gb") the one in force. False when there is no such voice, or when the engine
    // or its data could not be loaded; the voice in force is then unknown.
    bool SelectVoice(const QByteArray& name);

private:
    std::unique_lock<std::mutex> lock_;
};
