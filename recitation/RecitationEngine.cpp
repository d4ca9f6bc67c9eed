#include "recitation/RecitationEngine.h"

#include "recitation/EntryLayout.h"

#include <algorithm>
#include <chrono>

namespace {

// The platform the program first ran on raised timer periods below 10 ms to 10 ms; keeping
// that floor means a tiny time per word cannot turn the tick timer into a busy loop.
constexpr int kShortestTimerPeriodMs = 10;

constexpr int kTickOfReveal = kTicksPerEntry / 2;
constexpr int kTickOfNewEntry = 2;

} // namespace

RecitationEngine::RecitationEngine(SettingsRecord& settings, const WordList& words,
                                   RecitationState& state, QObject* parent)
    : QObject(parent), settings_(settings), words_(words), state_(state) {
    connect(&wordTimer_, &QTimer::timeout, this, &RecitationEngine::NextEntry);
    SeedFromClock();
}

void RecitationEngine::Seed(std::uint32_t seed) {
    random_.seed(seed);
}

void RecitationEngine::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count()));
}

// ----------------------------------------------------------------------------- next entry

void RecitationEngine::NextEntry() {
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
// done in 64 bits so that no stored number can overflow it.
bool RecitationEngine::CursorFitsList() const {
    const qint64 count = entryCount();
    const qint64 position = settings_.position;
    const qint64 groupSize = settings_.groupSize;
    const qint64 groupStart = (qint64{settings_.groupNumber} - 1) * groupSize;
    if (settings_.groupNumber < 1 || count < 1) {
        return false;
    }
    if (settings_.grouping && settings_.orderedBrowse) {
        return position >= 0 && position < groupSize && settings_.repeatCount >= 0 &&
               groupStart + position < count;
    }
    if (settings_.grouping) {
        return groupSize > count || groupStart < count;
    }
    if (settings_.orderedBrowse) {
        return position >= 0 && position < count;
    }
    return true;
}

void RecitationEngine::RestartCursor() {
    settings_.groupNumber = 1;
    settings_.position = 0;
    settings_.repeatCount = 0;
}

void RecitationEngine::Take(qsizetype index) {
    state_.currentIndex = index;
    state_.currentLine = words_.entry(index);
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
    if (count == 1) {
        Take(0);
        return;
    }
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
    if (entryCount() == 1) {
        Take(0);
        return;
    }
    Take(settings_.position);
    ++settings_.position;
    if (settings_.position >= entryCount()) {
        settings_.position = 0;
    }
}

void RecitationEngine::NextAtRandom() {
    if (entryCount() == 1) {
        Take(0);
        return;
    }
    const qsizetype index = Draw(entryCount());
    Take(index);
    settings_.position = static_cast<std::int32_t>(index + 1);
}

void RecitationEngine::ShowEntry() {
    state_.tick = kTickOfNewEntry;
    state_.meaningShown = false;
    emit entryShown();
}

// ----------------------------------------------------------------------------- timers

void RecitationEngine::RunTimers(bool start) {
    if (!start) {
        wordTimer_.stop();
        tickTimer_.stop();
        return;
    }
    if (state_.paused) {
        return;
    }
    wordTimer_.start(std::max(settings_.wordTimeMs, kShortestTimerPeriodMs));
    if (settings_.showProgressBar || settings_.fadeInMeaning) {
        tickTimer_.start(std::max(settings_.wordTimeMs / kTicksPerEntry, kShortestTimerPeriodMs));
    }
}

TickStep RecitationEngine::Tick(int blockWidth) {
    ++state_.tick;
    TickStep step;
    if (state_.tick > kTickOfReveal && !state_.meaningShown && settings_.fadeInMeaning &&
        settings_.showMeaning) {
        state_.meaningShown = true;
        step.revealMeaning = true;
    }
    if (settings_.showProgressBar) {
        step.drawBar = true;
        step.barEnd = BarEnd(blockWidth, state_.tick);
    }
    return step;
}

// ----------------------------------------------------------------------------- commands

void RecitationEngine::TogglePause() {
    state_.paused = !state_.paused;
    if (state_.paused) {
        RunTimers(false);
        return;
    }
    RunTimers(true);
    NextEntry();
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
