#pragma once

#include "library/CurrentLibrary.h"
#include "library/WordList.h"
#include "recitation/PauseState.h"
#include "recitation/RecitationState.h"
#include "recitation/SettingsRecord.h"

#include <QByteArrayView>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

// What a tick of the tick timer changes on screen.
struct TickStep {
    bool revealMeaning = false; // draw the hidden meaning now, in the text colour
    bool drawBar = false;       // draw the progress bar over tick/50 of the text block
    int tick = 0;               // the ticks of the entry on show
};

// What the read-again command must do.
enum class ReadAgainAction {
    Nothing,             // no voice ever started in this run
    Speak,               // speak the word with the voice in use
    StartVoiceThenSpeak, // speech is off: start the chosen voice, then speak if it started
};

// Which of the two timers run and at what period, 0 for one that stands still.
struct RunningTimers {
    int wordPeriodMs = 0;
    int tickPeriodMs = 0;
    bool operator==(const RunningTimers&) const = default;
};

// Whether a record needs the tick timer: for the progress bar or the delayed meaning.
bool TicksNeeded(const SettingsRecord& record);

// Chooses the entry to show next in place of the browsing modes; nothing leaves the choice to
// them.
using EntryChooser = std::function<std::optional<qsizetype>()>;

// An entry of the list and its raw line.
struct EntryOnShow {
    qsizetype index = 0;
    QByteArray line;
};

class RecitationEngine;

// Keeps both timers stopped while the window runs a modal step (a menu, a dialog), and starts
// them again when it goes out of scope, whichever way the step ends; they stay stopped while
// browsing is paused. Holds may nest: the timers start when the last one ends.
class [[nodiscard]] TimerHold {
public:
    explicit TimerHold(RecitationEngine& engine);
    ~TimerHold();
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

private:
    RecitationEngine& engine_;
};

// Decides which entry of the presented library comes next and when: in order or at random,
// with or without groups, each group shown groupRepeats times. Two timers drive it: the word
// timer moves to the next entry every wordTimeMs, the tick timer, fifty times faster, drives
// the delayed meaning and the progress bar.
//
// The engine owns the settings record, the presented library and the state of the run. Anyone
// may read them; only the operations below change them, so that every change of the cursor
// happens here. The window turns what the engine signals into pictures and sound.
//
// The cursor lives in the settings record, whose meaning of `position` depends on the mode
// (N entries, S per group, G the group number):
// - grouped, in order: the 0-based place in the group of the next entry to show;
// - grouped, at random: the 1-based place in the group of the entry shown (i + 1 - (G-1)*S),
//   or, when the group is larger than the list, the index of the entry shown;
// - not grouped, in order: the index of the next entry to show;
// - not grouped, at random: the index of the entry shown plus 1.
// Every record the engine takes is first brought into range, so that no arithmetic on it can
// overflow.
class RecitationEngine : public QObject {
    Q_OBJECT

public:
    // Until Start, the record is that of a first start and the library is empty.
    explicit RecitationEngine(QObject* parent = nullptr);

    const SettingsRecord& settings() const { return settings_; }
    const RecitationState& state() const { return state_; }
    // Why state().paused is set: the user's pause and the automatic one.
    const PauseState& pause() const { return pause_; }
    const CurrentLibrary& library() const { return library_; }
    qsizetype entryCount() const { return library_.entryCount(); }
    RunningTimers runningTimers() const;

    // Seeds the random draws; the engine seeds from the clock at start-up and whenever the
    // settings are confirmed, tests with a fixed number.
    void Seed(std::uint32_t seed);

    // Records and libraries. None of these shows an entry: NextEntry() does, once whatever
    // else the change needs (a voice, fonts) is ready.

    // Start-up: the record of the settings file and the library it names. The cursor is
    // kept, browsing runs and the draws are seeded from the clock. The timers are left to the
    // window, which starts them once it is on screen.
    void Start(const SettingsRecord& record, WordList words);
    // A progress file: its record replaces the one in use and the library it names the list;
    // browsing goes on from its cursor. The timers are left to the hold around the command.
    void AdoptProgress(const SettingsRecord& record, WordList words);
    // The settings sheet confirmed: the record it made replaces the one in use (the sheet has
    // set the cursor), with whether a voice is now ready to speak; the draws are seeded anew.
    void ApplySettings(const SettingsRecord& record, bool speechReady);
    // A library chosen: its names and entries replace the current ones, the group size is cut
    // to the list, and the cursor starts again at the list's beginning.
    void StartLibrary(QByteArrayView fileName, QByteArrayView displayName, WordList words);
    // The library's file was changed by another command (the new-word book being learnt) and
    // read again: the list is replaced; the cursor and the entry on show stay.
    void ReloadLibrary(WordList words);
    // A line was appended to the library's file while the list holds deletions the file does
    // not: the list takes the line too, and the deletions wait for the next rewrite.
    void AppendEntry(QByteArrayView line);
    // Writes back a library that lost entries. False when its file cannot be written; the
    // deletions then stay in the list, to be written at the next rewrite.
    bool RewriteLibrary(const QString& programFolder);

    // Browsing.

    // Lets `chooser` pick every next entry of a list of two or more, the cursor left alone;
    // an empty chooser gives the choice back to the browsing mode.
    void SetChooser(EntryChooser chooser);
    bool chooserSet() const { return static_cast<bool>(chooser_); }

    // Chooses the next entry by the browsing mode, advances the cursor and shows the entry.
    // The word timer's expiry. A list of one entry (a missing or empty library) shows it and
    // leaves the cursor alone. A cursor that does not address an entry of a longer list first
    // restarts: at group 1, position 0, pass 0 when grouping, at position 0 without.
    void NextEntry();
    // Enter or Space: while paused, the next entry, its meaning shown at once; else nothing.
    void StepWhilePaused();
    // The next entry at once, given its whole time on screen.
    void SkipToNext();
    // The meaning of the entry on show is drawn now, whatever the reveal tick.
    void ShowMeaningNow();
    // Find: entry `index` of the list becomes the entry on show and the cursor points at it
    // (the position is the index, or with grouping the group holding it and the place in that
    // group; the passes are left as they are), so that browsing goes on from there.
    void ShowFoundEntry(qsizetype index);
    // The user's pause: on and off, or resumed when paused in any way. Resuming shows the next
    // entry at once.
    void TogglePause();
    void Pause();
    void Resume();
    // What the desktop reports: a cause to pause by itself, or none (see PauseState).
    void SetAwayCause(std::optional<AwayCause> cause);
    // Step to the previous or next whole group; shown from the next word timer expiry on.
    void PreviousGroup();
    void NextGroup();
    ReadAgainAction ReadAgain() const;
    void SetSpeechReady(bool ready);
    // One expiry of the tick timer: ticked() tells what to draw.
    void Tick();

    // The entry on show, as deleting takes it before asking the user (the word timer may show
    // another entry while the question is open), or nothing when it may not be deleted: never
    // the last entry of a list, and never the line deleted last (the window keeps showing a
    // deleted entry until the next one comes, so a second press would otherwise delete its
    // neighbour).
    std::optional<EntryOnShow> EntryToRemove() const;
    // Removes that entry from the list, to be written at the next rewrite; an entry on show
    // from further down the list moves up with it.
    void RemoveEntry(const EntryOnShow& entry);

    // The window's own fields of the record.
    void SetWindowRect(const QRect& rect);
    void SetAlwaysOnTop(bool on);

    // Starts both timers (the tick timer only while TicksNeeded), or stops both. Starting does
    // nothing while paused or held.
    void RunTimers(bool start);
    // Stops both timers until the returned hold goes out of scope:
    //     const TimerHold hold = engine.HoldTimers();
    TimerHold HoldTimers();

signals:
    // A new entry is on show: state().currentLine, tick 2, its meaning hidden unless paused.
    void entryShown();
    // The word of the entry just shown is to be spoken: sent with every entry shown while
    // speechOn is set and a voice is ready.
    void wordToSpeak(const QString& word);
    void ticked(const TickStep& step);
    // The recitation paused or resumed, or the reason of its pause changed.
    void pauseChanged();
    // The list was replaced or changed, so that its indexes may now address other entries.
    void libraryChanged();

private:
    friend class TimerHold;

    void SeedFromClock();
    void ChangePause(const std::function<void()>& change);
    void TakeRecord(const SettingsRecord& record);
    void ShowEntry();
    bool CursorFitsList() const;
    void RestartCursor();
    void Take(qsizetype index);
    qsizetype Draw(qsizetype count);

    void NextGroupedInOrder();
    void NextGroupedAtRandom();
    void NextInOrder();
    void NextAtRandom();

    SettingsRecord settings_;
    CurrentLibrary library_;
    RecitationState state_;
    PauseState pause_;
    std::mt19937 random_;
    EntryChooser chooser_;
    QTimer wordTimer_;
    QTimer tickTimer_;
    int holds_ = 0;
};
