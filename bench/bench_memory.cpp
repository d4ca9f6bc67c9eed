#include "bench/BenchLibrary.h"
#include "library/WordList.h"
#include "memory/ReviewSchedule.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 1'000'000;
constexpr int kCards = 100'000;
constexpr qint64 kDay = 86400;

const QDateTime kNow{QDate(2026, 3, 1), QTime(9, 0), Qt::UTC};

// Every tenth library word has a card: one in five of them due, the others known and later.
std::vector<Card> MakeCards() {
    std::vector<Card> cards;
    const qint64 now = kNow.toSecsSinceEpoch();
    for (int c = 0; c < kCards; ++c) {
        const double stability = 1 + c % 97;
        const qint64 last = now - qint64(stability * kDay) - c % 1000;
        const qint64 due = c % 5 == 0 ? now - 3600 : now + (1 + c % 30) * kDay;
        cards.push_back({"word" + QByteArray::number(c * 10), MemoryState{stability, 5},
                         CardState::Known, last - kDay, last, due, 2, 0});
    }
    return cards;
}

// One pick of the next entry, the work of one word timer expiry in the memory mode.
void BM_ReviewNextIndex(benchmark::State& state) {
    const WordList words =
        WordList::FromText(MakeLibraryText(kEntries), WordList::ShortLines::DropAfterFirst);
    QTemporaryDir dir;
    const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), kNow);
    ReviewSchedule schedule(words, "bench.dat", *opened.store, MakeCards(), {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule.NextIndex(kNow));
    }
}
BENCHMARK(BM_ReviewNextIndex)->Repetitions(5)->ReportAggregatesOnly(true);

// Opening the memory holding 100,000 cards, alone (0) and with reading them all (1), as at
// program start.
void BM_OpenMemory(benchmark::State& state) {
    QTemporaryDir dir;
    {
        const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), kNow);
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench filler");
        db.setDatabaseName(dir.filePath(MemoryStore::kFileName));
        db.open();
        QSqlQuery query(db);
        query.exec("BEGIN");
        query.prepare(
            "INSERT INTO cards(library, word, stability, difficulty, state, created,"
            " last_review, due, reps, lapses) VALUES('bench.dat', ?, ?, 5, 2, ?, ?, ?, 2, 0)");
        for (const Card& card : MakeCards()) {
            query.addBindValue(card.word);
            query.addBindValue(card.memory->stability);
            query.addBindValue(card.created);
            query.addBindValue(card.lastReview);
            query.addBindValue(card.due);
            query.exec();
        }
        query.exec("COMMIT");
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase("bench filler");
    for (auto _ : state) {
        const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), kNow);
        std::vector<Card> cards;
        if (state.range(0) != 0) {
            opened.store->LoadCards("bench.dat", &cards);
        }
        benchmark::DoNotOptimize(cards.data());
    }
}
BENCHMARK(BM_OpenMemory)
    ->ArgName("load")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
