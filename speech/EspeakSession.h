#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <mutex>
#include <span>

// libespeak-ng keeps one engine per process in global state and is not thread-safe. The
// EspeakSession is its one owner: the synthesizer's thread and the callers of the IPA
// transcription alike use it only through a session, which holds a process-wide lock for as
// long as it lives, so that speaking and transcribing never meet inside the library:
//
// - the engine is loaded once per process, by the first session. Its output (buffers, and a
//   sound device of its own that it never plays to but opens at once, connecting to the
//   desktop's sound server) is prepared only by PrepareSynthesis, once per process, for
//   synchronous output (ENOUTPUT_MODE_SYNCHRONOUS: sound comes back through Synthesize's
//   callback in the calling thread and no thread of the library's own runs), so nothing runs
//   on after a session ends, and a process that only transcribes never reaches the sound server;
// - the voice is chosen through SelectVoice only, which remembers the voice in force, so that
//   users taking turns reselect only when another voice was chosen in between. Nobody relies on
//   the voice staying between sessions, and nothing is asked of the engine before a voice is
//   chosen (it would crash);
// - the engine is handed only what an English voice reads (TextForEnglishVoice): other text
//   reaches faults inside the library;
// - the engine is never terminated: it lives until the process ends.
//
// Hold a session only for the library's own work: sound is played after the session ends.
class EspeakSession {
public:
    EspeakSession();
    EspeakSession(const EspeakSession&) = delete;
    EspeakSession& operator=(const EspeakSession&) = delete;

    // The length of the pieces in which Synthesize hands on its sound: work given up for a
    // newer word stops within a piece.
    static constexpr int kPieceMs = 20;

    // Whether the engine and its data were loaded; nothing else works without.
    bool Ready() const;

    // Prepares the engine's output for Synthesize; whether it is ready. Transcribing needs
    // none.
    bool PrepareSynthesis();

    // Makes the voice of this name (an espeak-ng voice file such as "gmw/en-GB-x-rp" or
    // "en-gb-x-rp", or a language such as "en-gb") the one in force. False when there is no
    // such voice, or when the engine could not be loaded; choose a voice before going on.
    // Before PrepareSynthesis every change leaves a copy of the voice inside the engine until
    // it first synthesises: a process that only transcribes must change voices rarely.
    bool SelectVoice(const QByteArray& name);

    // The rate of the samples Synthesize hands on.
    int SampleRate() const;

    // The engine's own IPA for the text in the voice in force, its clauses joined by a space;
    // empty when nothing of it is read.
    QString Transcribe(const QString& text);

    // Synthesises the text in the voice in force and hands the sound to `take` in pieces of
    // about kPieceMs, in order, as they are made; `take` returns false to give the rest up.
    // Nothing without PrepareSynthesis, or when nothing of the text is read.
    void Synthesize(const QString& text, const std::function<bool(std::span<const short>)>& take);

private:
    std::unique_lock<std::mutex> lock_;
};
