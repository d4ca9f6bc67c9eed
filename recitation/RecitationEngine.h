#pragma once

#include "library/WordList.h"
#include "recitation/RecitationState.h"
#include "recitation/SettingsRecord.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <random>

// What a tick of the tick timer changes on screen.
struct TickStep {
    bool revealMeaning = false; // draw the hidden meaning now, in the text colour
    bool drawBar = false;       // draw the progress bar ...
    int barEnd = 0;             // ... from x = 0 to this x
};

// What the read-again command must do.
enum class ReadAgainAction {
    Nothing,             // no voice ever started in this run
    Speak,               // speak the word with the voice in use
    StartVoiceThenSpeak, // speech is off: start the chosen voice, then speak if it started
};

// Decides which entry of the presented list comes next and when: in order or at random, with
// or without groups, each group shown groupRepeats times. Two timers drive it: the word timer
// moves to the next entry every wordTimeMs, the tick timer, fifty times faster, drives the
// delayed meaning and the progress bar.
//
// The cursor lives in the settings record, whose meaning of `position` depends on the mode
// (N entries, S per group, G the group number):
// - grouped, in order: the 0-based place in the group of the next entry to show;
// - grouped, at random: the 1-based place in the group of the entry shown (i + 1 - (G-1)*S),
//   or, when the group is larger than the list, the index of the entry shown;
// - not grouped, in order: the index of the next entry to show;
// - not grouped, at random: the index of the entry shown plus 1.
//
// The engine works on the window's record, list and state; it changes the record's cursor and
// the state, never the list. entryShown() is emitted whenever a new entry is to be presented.
class RecitationEngine : public QObject {
    Q_OBJECT

public:
    RecitationEngine(SettingsRecord& settings, const WordList& words, RecitationState& state,
                     QObject* parent = nullptr);

    // Seeds the random draws; the window seeds from the clock at start-up and whenever the
    // settings are confirmed, tests with a fixed number.
    void Seed(std::uint32_t seed);
    void SeedFromClock();

    // Chooses the next entry by the browsing mode, advances the cursor and shows the entry.
    // A cursor that does not address an entry of the list (a shorter library, a group beyond
    // its end) first restarts at group 1, position 0, pass 0.
    void NextEntry();

    // Makes the current line the entry on show: tick 2, meaning hidden, entryShown().
    void ShowEntry();

    // Starts both timers (the tick timer only while the bar or the delayed meaning is on), or
    // stops both. Starting does nothing while paused.
    void RunTimers(bool start);

    void TogglePause();
    // Step to the previous or next whole group; shown from the next word timer expiry on.
    void PreviousGroup();
    void NextGroup();

    ReadAgainAction ReadAgain() const;

    // One expiry of the tick timer, for a text block this many pixels wide.
    TickStep Tick(int blockWidth);

    qsizetype entryCount() const { return words_.size(); }
    const QTimer& wordTimer() const { return wordTimer_; }
    const QTimer& tickTimer() const { return tickTimer_; }

signals:
    void entryShown();

private:
    bool CursorFitsList() const;
    void RestartCursor();
    void Take(qsizetype index);
    qsizetype Draw(qsizetype count);

    void NextGroupedInOrder();
    void NextGroupedAtRandom();
    void NextInOrder();
    void NextAtRandom();

    SettingsRecord& settings_;
    const WordList& words_;
    RecitationState& state_;
    std::mt19937 random_;
    QTimer wordTimer_;
    QTimer tickTimer_;
};
