#include "commands/RecitationMemory.h"

#include "recitation/RecitationEngine.h"

#include <algorithm>
#include <utility>

namespace {

// The time recited is written a minute at a time, and at exit.
constexpr qint64 kWriteEveryMs = 60'000;

} // namespace

RecitationMemory::RecitationMemory(RecitationEngine& engine, QString programFolder, Clock clock)
    : engine_(engine), programFolder_(std::move(programFolder)), clock_(std::move(clock)) {}

RecitationMemory::~RecitationMemory() {
    CountRecitedTime();
    WriteRecitedTime();
}

void RecitationMemory::ReadSettings() {
    settings_ = LoadReviewSettings(programFolder_);
}

RecitationMemory::Opening RecitationMemory::Open() {
    MemoryStore::Opened opened = MemoryStore::Open(programFolder_, clock_());
    Opening opening{opened.result.ok(), opened.movedAside, opened.result.detail};
    store_ = std::move(opened.store);
    if (!store_) {
        return opening;
    }
    connect(&engine_, &RecitationEngine::libraryChanged, this, &RecitationMemory::Rebuild);
    connect(&engine_, &RecitationEngine::entryShown, this, &RecitationMemory::EntryShown);
    connect(&engine_, &RecitationEngine::pauseChanged, this, &RecitationMemory::CountRecitedTime);
    if (engine_.entryCount() > 0) {
        Rebuild();
    }
    if (!engine_.state().currentLine.isEmpty()) {
        EntryShown(); // the entry on show when the memory opens after the first paint
    }
    return opening;
}

bool RecitationMemory::TakeSettings(const ReviewSettings& settings) {
    if (settings == settings_) {
        return true;
    }
    settings_ = settings;
    Rebuild();
    return SaveReviewSettings(programFolder_, settings_);
}

// The schedule reads the library's cards afresh whenever the list changes, since its indexes
// may then address other entries.
void RecitationMemory::Rebuild() {
    schedule_.reset();
    library_ = MemoryLibraryName(NameField(engine_.settings().libraryFile));
    std::vector<Card> cards;
    if (store_ && store_->LoadCards(library_, &cards).ok()) {
        schedule_ = std::make_unique<ReviewSchedule>(engine_.library().words(), library_, *store_,
                                                     std::move(cards), settings_.schedule);
    }
    FollowMode();
}

void RecitationMemory::FollowMode() {
    if (settings_.enabled && schedule_) {
        engine_.SetChooser([this] { return schedule_->NextIndex(clock_()); });
    } else {
        engine_.SetChooser({});
    }
}

// A showing that cannot be written is not worth the user's attention: only ratings are.
void RecitationMemory::EntryShown() {
    CountRecitedTime();
    if (schedule_ && engine_.entryCount() > 0) {
        schedule_->Exposed(engine_.state().currentIndex, clock_());
    }
}

StoreResult RecitationMemory::Rate(bool known) {
    if (!schedule_ || engine_.entryCount() == 0) {
        return {StoreResult::Status::Failed, QStringLiteral("no word memory")};
    }
    const StoreResult result = schedule_->Rate(engine_.state().currentIndex, known, clock_());
    if (result.ok()) {
        if (known) {
            engine_.SkipToNext();
        } else {
            engine_.ShowMeaningNow();
        }
    }
    return result;
}

const Card* RecitationMemory::CardOnShow() const {
    return schedule_ && engine_.entryCount() > 0 ? schedule_->CardAt(engine_.state().currentIndex)
                                                 : nullptr;
}

DayCounts RecitationMemory::TodayCounts() {
    DayCounts counts;
    if (!schedule_) {
        return counts;
    }
    schedule_->Prepare(clock_());
    DailyFigures today;
    if (store_->LoadDay(library_, clock_().date(), &today).ok()) {
        counts.ratings = today.again + today.known + today.alreadyKnown;
    }
    counts.newWords = schedule_->NewToday();
    counts.inSet = schedule_->SetSize();
    return counts;
}

// Called at every showing and change of the pause: the time since the last call counts when the
// recitation ran through it. A gap longer than two entries (a suspended machine) counts as two.
void RecitationMemory::CountRecitedTime() {
    const QDateTime now = clock_();
    if (recitingSince_) {
        const qint64 gap = std::clamp<qint64>(recitingSince_->msecsTo(now), 0,
                                              2 * qint64{engine_.settings().wordTimeMs});
        recitedMs_ += gap;
    }
    recitingSince_.reset();
    if (!engine_.state().paused) {
        recitingSince_ = now;
    }
    if (recitedMs_ >= kWriteEveryMs) {
        WriteRecitedTime();
    }
}

void RecitationMemory::WriteRecitedTime() {
    const int seconds = static_cast<int>(recitedMs_ / 1000);
    if (store_ && seconds > 0 && store_->AddRecitedSeconds(library_, seconds, clock_()).ok()) {
        recitedMs_ -= qint64{seconds} * 1000;
    }
}
