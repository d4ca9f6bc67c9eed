#include "recitation/RecitationEngine.h"

#include "library/LineFields.h"
#include "library/WordDeletion.h"
#include "recitation/EntryLayout.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// The platform the program first ran on raised timer periods below 10 ms to 10 ms; keeping
// that floor means a tiny time per word cannot turn the tick timer into a busy loop.
constexpr int kShortestTimerPeriodMs = 10;

constexpr int kTickOfReveal = kTicksPerEntry / 2;
constexpr int kTickOfNewEntry = 2;

// A record for the time before Start; its window rectangle and font are never used.
constexpr int kAnyDpi = 96;

} // namespace

bool TicksNeeded(const SettingsRecord& record) {
    return record.showProgressBar || record.fadeInMeaning;
}

TimerHold::TimerHold(RecitationEngine& engine) : engine_(engine) {
    ++engine_.holds_;
    engine_.RunTimers(false);
}

TimerHold::~TimerHold() {
    --engine_.holds_;
    engine_.RunTimers(true);
}

RecitationEngine::RecitationEngine(QObject* parent)
    : QObject(parent), settings_(DefaultSettings(kAnyDpi, {})) {
    connect(&wordTimer_, &QTimer::timeout, this, &RecitationEngine::NextEntry);
    connect(&tickTimer_, &QTimer::timeout, this, &RecitationEngine::Tick);
    SeedFromClock();
}

void RecitationEngine::Seed(std::uint32_t seed) {
    random_.seed(seed);
}

void RecitationEngine::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count()));
}

// ----------------------------------------------------------------------------- records

void RecitationEngine::TakeRecord(const SettingsRecord& record) {
    settings_ = record;
    BringIntoRange(settings_);
}

void RecitationEngine::Start(const SettingsRecord& record, WordList words) {
    TakeRecord(record);
    library_.Adopt(std::move(words));
    pause_ = {};
    state_.paused = false;
    SeedFromClock();
    emit libraryChanged();
}

void RecitationEngine::AdoptProgress(const SettingsRecord& record, WordList words) {
    TakeRecord(record);
    library_.Adopt(std::move(words));
    emit libraryChanged();
}

void RecitationEngine::ApplySettings(const SettingsRecord& record, bool speechReady) {
    TakeRecord(record);
    state_.speechReady = speechReady;
    SeedFromClock();
}

void RecitationEngine::StartLibrary(QByteArrayView fileName, QByteArrayView displayName,
                                    WordList words) {
    SetNameField(settings_.libraryFile, fileName);
    SetNameField(settings_.libraryName, displayName);
    library_.Adopt(std::move(words));
    const qsizetype count = std::max<qsizetype>(entryCount(), 1);
    settings_.groupSize =
        static_cast<std::int32_t>(std::min<qsizetype>(settings_.groupSize, count));
    settings_.groupNumber = 1;
    settings_.position = 0;
    settings_.repeatCount = 0;
    emit libraryChanged();
}

void RecitationEngine::ReloadLibrary(WordList words) {
    library_.Adopt(std::move(words));
    emit libraryChanged();
}

void RecitationEngine::AppendEntry(QByteArrayView line) {
    library_.AppendEntry(line);
    emit libraryChanged();
}

bool RecitationEngine::RewriteLibrary(const QString& programFolder) {
    return library_.RewriteIfDirty(programFolder, NameField(settings_.libraryFile));
}

// ----------------------------------------------------------------------------- next entry

void RecitationEngine::SetChooser(EntryChooser chooser) {
    chooser_ = std::move(chooser);
}

void RecitationEngine::NextEntry() {
    if (entryCount() == 0) {
        return; // nothing to show before Start
    }
    if (entryCount() == 1) {
        Take(0);
        ShowEntry();
        return;
    }
    if (chooser_) {
        if (const std::optional<qsizetype> index = chooser_(); index && *index < entryCount()) {
            Take(*index);
            ShowEntry();
            return;
        }
    }
    if (!CursorFitsList()) {
        RestartCursor();
    }
    if (settings_.grouping && settings_.orderedBrowse) {
        NextGroupedInOrder();
    } else if (settings_.grouping) {
        NextGroupedAtRandom();
    } else if (settings_.orderedBrowse) {
        NextInOrder();
    } else {
        NextAtRandom();
    }
    ShowEntry();
}

// The index each mode computes from the cursor must address an entry; the group arithmetic is
// done in 64 bits. The random modes without groups draw any entry.
bool RecitationEngine::CursorFitsList() const {
    const qint64 count = entryCount();
    const qint64 position = settings_.position;
    const qint64 groupSize = settings_.groupSize;
    const qint64 groupStart = (qint64{settings_.groupNumber} - 1) * groupSize;
    if (settings_.grouping && settings_.orderedBrowse) {
        return position >= 0 && position < groupSize && groupStart + position < count;
    }
    if (settings_.grouping) {
        return groupSize > count || groupStart < count;
    }
    if (settings_.orderedBrowse) {
        return position >= 0 && position < count;
    }
    return true;
}

// Without groups only the position is restarted: the group and its passes are kept for when
// grouping is turned on again.
void RecitationEngine::RestartCursor() {
    settings_.position = 0;
    if (settings_.grouping) {
        settings_.groupNumber = 1;
        settings_.repeatCount = 0;
    }
}

void RecitationEngine::Take(qsizetype index) {
    state_.currentIndex = index;
    state_.currentLine = library_.words().entry(index);
}

qsizetype RecitationEngine::Draw(qsizetype count) {
    std::uniform_int_distribution<qsizetype> pick(0, count - 1);
    return pick(random_);
}

void RecitationEngine::NextGroupedInOrder() {
    SettingsRecord& s = settings_;
    const qint64 count = entryCount();
    const qint64 groupStart = (qint64{s.groupNumber} - 1) * s.groupSize;
    Take(static_cast<qsizetype>(groupStart + s.position));
    ++s.position;
    // The end of the list comes back to group 1 without counting a pass.
    if (groupStart + s.position >= count) {
        RestartCursor();
    }
    if (s.position >= s.groupSize) {
        s.position = 0;
        ++s.repeatCount;
        if (s.repeatCount >= s.groupRepeats) {
            s.repeatCount = 0;
            ++s.groupNumber;
            if (s.groupNumber > count / s.groupSize + 1) {
                s.groupNumber = 1;
            }
        }
    }
}

// Entries are drawn from the current group until the user moves on; draws beyond the end of a
// partial last group wrap to the start of the list.
void RecitationEngine::NextGroupedAtRandom() {
    SettingsRecord& s = settings_;
    const qsizetype count = entryCount();
    if (s.groupSize > count) {
        const qsizetype index = Draw(count);
        s.position = static_cast<std::int32_t>(index);
        Take(index);
        return;
    }
    const qint64 groupStart = (qint64{s.groupNumber} - 1) * s.groupSize;
    qint64 index = groupStart + Draw(s.groupSize);
    if (index >= count) {
        index -= count;
    }
    Take(static_cast<qsizetype>(index));
    s.position = static_cast<std::int32_t>(index + 1 - groupStart);
}

void RecitationEngine::NextInOrder() {
    Take(settings_.position);
    ++settings_.position;
    if (settings_.position >= entryCount()) {
        settings_.position = 0;
    }
}

void RecitationEngine::NextAtRandom() {
    const qsizetype index = Draw(entryCount());
    Take(index);
    settings_.position = static_cast<std::int32_t>(index + 1);
}

// While paused no tick will reveal the meaning, so it is shown at once.
void RecitationEngine::ShowEntry() {
    state_.tick = kTickOfNewEntry;
    state_.meaningShown = state_.paused;
    if (settings_.speechOn && state_.speechReady) {
        emit wordToSpeak(SpokenWord(state_.currentLine));
    }
    emit entryShown();
}

void RecitationEngine::StepWhilePaused() {
    if (state_.paused) {
        NextEntry();
    }
}

void RecitationEngine::SkipToNext() {
    NextEntry();
    RunTimers(true);
}

void RecitationEngine::ShowMeaningNow() {
    if (state_.meaningShown) {
        return;
    }
    state_.meaningShown = true;
    TickStep step;
    step.revealMeaning = true;
    step.tick = state_.tick;
    emit ticked(step);
}

void RecitationEngine::ShowFoundEntry(qsizetype index) {
    Take(index);
    settings_.position = static_cast<std::int32_t>(index);
    if (settings_.grouping) {
        settings_.groupNumber = static_cast<std::int32_t>(index / settings_.groupSize + 1);
        settings_.position = static_cast<std::int32_t>(index % settings_.groupSize);
    }
    ShowEntry();
}

// ----------------------------------------------------------------------------- timers

void RecitationEngine::RunTimers(bool start) {
    if (!start) {
        wordTimer_.stop();
        tickTimer_.stop();
        return;
    }
    if (state_.paused || holds_ > 0) {
        return;
    }
    wordTimer_.start(std::max(settings_.wordTimeMs, kShortestTimerPeriodMs));
    if (TicksNeeded(settings_)) {
        tickTimer_.start(std::max(settings_.wordTimeMs / kTicksPerEntry, kShortestTimerPeriodMs));
    } else {
        tickTimer_.stop();
    }
}

RunningTimers RecitationEngine::runningTimers() const {
    return {wordTimer_.isActive() ? wordTimer_.interval() : 0,
            tickTimer_.isActive() ? tickTimer_.interval() : 0};
}

TimerHold RecitationEngine::HoldTimers() {
    return TimerHold(*this);
}

void RecitationEngine::Tick() {
    ++state_.tick;
    TickStep step;
    step.tick = state_.tick;
    if (state_.tick > kTickOfReveal && !state_.meaningShown && settings_.fadeInMeaning &&
        settings_.showMeaning) {
        state_.meaningShown = true;
        step.revealMeaning = true;
    }
    step.drawBar = settings_.showProgressBar;
    emit ticked(step);
}

// ----------------------------------------------------------------------------- commands

void RecitationEngine::TogglePause() {
    if (state_.paused) {
        Resume();
    } else {
        Pause();
    }
}

void RecitationEngine::Pause() {
    ChangePause([this] { pause_.PauseByUser(); });
}

void RecitationEngine::Resume() {
    ChangePause([this] { pause_.ResumeByUser(); });
}

void RecitationEngine::SetAwayCause(std::optional<AwayCause> cause) {
    ChangePause([this, cause] { pause_.SetCause(cause); });
}

// The timers follow the pause, and resuming shows a new entry at once; pauseChanged() tells
// when the pause or its reason changed.
void RecitationEngine::ChangePause(const std::function<void()>& change) {
    const std::optional<AwayCause> causeBefore = pause_.automaticCause();
    change();
    const bool paused = pause_.paused();
    if (paused == state_.paused && pause_.automaticCause() == causeBefore) {
        return;
    }
    if (paused != state_.paused) {
        state_.paused = paused;
        if (paused) {
            RunTimers(false);
        } else {
            RunTimers(true);
            NextEntry();
        }
    }
    emit pauseChanged();
}

// Only whole groups are counted here, so these never lead to a partial last group; a list
// shorter than one group has just group 1.
void RecitationEngine::PreviousGroup() {
    const qint64 wholeGroups = entryCount() / settings_.groupSize;
    --settings_.groupNumber;
    if (settings_.groupNumber < 1) {
        settings_.groupNumber = static_cast<std::int32_t>(std::max<qint64>(wholeGroups, 1));
    }
    settings_.repeatCount = 0;
    settings_.position = 0;
}

void RecitationEngine::NextGroup() {
    const qint64 wholeGroups = entryCount() / settings_.groupSize;
    if (settings_.groupNumber >= wholeGroups) {
        settings_.groupNumber = 1;
    } else {
        ++settings_.groupNumber;
    }
    settings_.repeatCount = 0;
    settings_.position = 0;
}

ReadAgainAction RecitationEngine::ReadAgain() const {
    if (!state_.speechReady) {
        return ReadAgainAction::Nothing;
    }
    return settings_.speechOn ? ReadAgainAction::Speak : ReadAgainAction::StartVoiceThenSpeak;
}

void RecitationEngine::SetSpeechReady(bool ready) {
    state_.speechReady = ready;
}

// ----------------------------------------------------------------------------- deleting

std::optional<EntryOnShow> RecitationEngine::EntryToRemove() const {
    if (!MayDeleteEntry(library_.words(), state_.currentIndex, state_.currentLine,
                        state_.lastDeletedLine)) {
        return std::nullopt;
    }
    return EntryOnShow{state_.currentIndex, state_.currentLine};
}

void RecitationEngine::RemoveEntry(const EntryOnShow& entry) {
    library_.RemoveEntry(entry.index);
    state_.lastDeletedLine = entry.line;
    if (state_.currentIndex > entry.index) {
        --state_.currentIndex;
    }
    emit libraryChanged();
}

// ----------------------------------------------------------------------------- the window's

void RecitationEngine::SetWindowRect(const QRect& rect) {
    settings_.windowRect = WindowRectOf(rect);
}

void RecitationEngine::SetAlwaysOnTop(bool on) {
    settings_.alwaysOnTop = on;
}
