#pragma once

#include "memory/MemoryStore.h"
#include "memory/ReviewSchedule.h"
#include "memory/ReviewSettings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class RecitationEngine;

using Clock = std::function<QDateTime()>;

// What the settings sheet shows of today in the library on show.
struct DayCounts {
    int newWords = 0; // new words taken today
    int ratings = 0;
    qsizetype inSet = 0; // words left to review today
};

// The word memory beside the recitation: it counts every entry the engine shows and the time it
// recites, rates the entry on show, and while its mode is on chooses what the engine shows next.
// Without a memory (it could not be opened) the recitation goes on as without the mode.
class RecitationMemory : public QObject {
    Q_OBJECT

public:
    RecitationMemory(RecitationEngine& engine, QString programFolder, Clock clock);
    // Writes the time recited since the last write.
    ~RecitationMemory() override;

    struct Opening {
        bool opened = false;
        QString movedAside; // the name an unreadable database was given, else empty
        QString failure;    // why it could not be opened
    };
    // Reads lexado.conf's options.
    void ReadSettings();
    // Opens memory.sqlite in the program folder, with the options read; the engine's library is
    // followed from then on, and an entry already on show counts as shown.
    Opening Open();
    bool isOpen() const { return store_ != nullptr; }

    const ReviewSettings& settings() const { return settings_; }
    // The options the settings sheet confirmed: followed at once, and written to lexado.conf
    // when they changed. False when the file could not be written.
    bool TakeSettings(const ReviewSettings& settings);

    // "I know it" (known) or "I don't know it" on the entry on show. The engine then shows the
    // next entry at once, or the meaning of this one. Nothing changes when the rating cannot be
    // written.
    StoreResult Rate(bool known);

    // The card of the entry on show, if its word has one.
    const Card* CardOnShow() const;
    DayCounts TodayCounts();

private:
    void Rebuild();
    void FollowMode();
    void EntryShown();
    void CountRecitedTime();
    void WriteRecitedTime();

    RecitationEngine& engine_;
    QString programFolder_;
    Clock clock_;
    ReviewSettings settings_;
    std::unique_ptr<MemoryStore> store_;
    QString library_; // the library file the schedule follows
    std::unique_ptr<ReviewSchedule> schedule_;
    std::optional<QDateTime> recitingSince_; // while the recitation runs
    qint64 recitedMs_ = 0;                   // not yet written
};
