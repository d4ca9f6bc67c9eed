#pragma once

#include "memory/Card.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;

// How a call on the memory went: Busy when another program held the database for longer
// than the lock wait, Failed for any other database error; detail is the database's message.
struct StoreResult {
    enum class Status { Ok, Busy, Failed };
    Status status = Status::Ok;
    QString detail;
    bool ok() const { return status == Status::Ok; }
};

// The name a library's cards and figures are kept under: its file name, decoded as the
// catalogue's names are.
QString MemoryLibraryName(QByteArrayView fileName);

// One library's figures for one day.
struct DailyFigures {
    int exposures = 0;    // entries shown
    int again = 0;        // "I don't know it"
    int known = 0;        // "I know it" on a word rated before
    int alreadyKnown = 0; // "I know it" on a word's first rating
    int seconds = 0;      // seconds recited
};

// The word memory, in the SQLite database memory.sqlite of the program folder: one card per
// library word that was shown or rated, every rating with its time, and the daily figures of
// each library. Write-ahead logging; every call that writes commits one transaction, so a
// killed process loses nothing that a call reported as done. A second program on the same
// file waits up to kLockWaitMs for it, then gets Busy. Cards are keyed by the library's file
// name and the word's bytes. Days are the dates of the `now` given, in its own time zone.
class MemoryStore {
public:
    static constexpr const char* kFileName = "memory.sqlite";
    static constexpr int kLockWaitMs = 2000;

    struct Opened {
        std::unique_ptr<MemoryStore> store; // null unless result is ok
        StoreResult result;
        // The name the unreadable database was given when it was moved aside and a new one
        // started; empty when the database opened as it was.
        QString movedAside;
    };

    // Opens or creates folder/memory.sqlite. A file that is not a readable database is
    // renamed memory.sqlite.broken-<date of now> (with its log files) and a new one started;
    // a database that another program holds is never moved.
    static Opened Open(const QString& folder, const QDateTime& now);
    // Opens folder/memory.sqlite for reading only, as a second connection beside the program's
    // own, so that figures can be read on another thread while ratings are written. Fails for
    // a missing file or another schema; nothing is created, changed or moved.
    static Opened OpenReader(const QString& folder);

    ~MemoryStore();
    MemoryStore(const MemoryStore&) = delete;
    MemoryStore& operator=(const MemoryStore&) = delete;

    // Every card of a library, in no particular order.
    StoreResult LoadCards(const QString& library, std::vector<Card>* cards) const;

    // Writes a card as it is after a rating, with the rating and the day's count of it.
    StoreResult SaveRating(const QString& library, const Card& card, Rating rating,
                           const QDateTime& now);
    // Counts a showing of a word, making a new card for it when it has none.
    StoreResult SaveExposure(const QString& library, const QByteArray& word, const QDateTime& now);
    StoreResult AddRecitedSeconds(const QString& library, int seconds, const QDateTime& now);

    StoreResult LoadDay(const QString& library, QDate day, DailyFigures* figures) const;

    // Runs a query that reads, with `values` bound in order, and hands each row to `row` until
    // it returns false.
    StoreResult Read(const QString& sql, const QVariantList& values,
                     const std::function<bool(const QSqlQuery&)>& row) const;

private:
    enum class Access { Reads, Writes };
    MemoryStore(QString connection, Access access);

    QString connection_;
    Access access_;
};
