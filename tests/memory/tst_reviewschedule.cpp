#include "library/WordList.h"
#include "memory/ReviewSchedule.h"

#include <QTemporaryDir>
#include <QtTest>

using Indexes = QList<qsizetype>;

// The entries the schedule picks, as exact sequences, for given cards and a given clock.
class TestReviewSchedule : public QObject {
    Q_OBJECT

    static constexpr qint64 kDay = 86400;
    const QDateTime start_{QDate(2026, 3, 1), QTime(9, 0), Qt::UTC};
    const WordList words_ = WordList::FromText("w0#m\nw1#m\nw2#m\nw3#m\nw4#m\nw5#m\nw6#m\nw7#m\n",
                                               WordList::ShortLines::Keep);
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MemoryStore> store_;

    // A card last reviewed `daysAgo` days before the start.
    Card Rated(const char* word, CardState state, double stability, double daysAgo,
               double dueInDays) const {
        const qint64 now = start_.toSecsSinceEpoch();
        return {word,
                MemoryState{stability, 5},
                state,
                0,
                now - qint64(daysAgo * kDay),
                now + qint64(dueInDays * kDay),
                1,
                0};
    }

    static Indexes Picks(ReviewSchedule& schedule, const QDateTime& now, int count) {
        Indexes picks;
        for (int n = 0; n < count; ++n) {
            picks.append(schedule.NextIndex(now).value());
        }
        return picks;
    }

    std::vector<Card> Stored() const {
        std::vector<Card> cards;
        store_->LoadCards("words.dat", &cards);
        return cards;
    }

private slots:
    void init() {
        store_.reset();
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = MemoryStore::Open(dir_->path(), start_).store;
    }

    void roundsGoByRetrievability() {
        // w0 and w1 are due, w0 the more forgotten; w2 is not due; w3 was rated "I don't know
        // it" an hour ago; two new words a day.
        std::vector<Card> cards = {Rated("w0", CardState::Known, 5, 6, -1),
                                   Rated("w1", CardState::Known, 10, 11, -1),
                                   Rated("w2", CardState::Known, 10, 2, 0.5),
                                   Rated("w3", CardState::Learning, 0.2, 1.0 / 24, 1)};
        ReviewSchedule schedule(words_, "words.dat", *store_, cards, {2, 0.9});
        schedule.Prepare(start_);
        QCOMPARE(schedule.SetSize(), 5);
        QCOMPARE(Picks(schedule, start_, 10), (Indexes{4, 5, 0, 1, 3, 4, 5, 0, 1, 3}));
        // The next morning: w3 is out until due, a day after its rating; w2 is due; the new
        // words of yesterday stay, and two more come.
        const QDateTime later = start_.addSecs(23 * 3600);
        QCOMPARE(Picks(schedule, later, 7), (Indexes{4, 5, 6, 7, 0, 1, 2}));
    }

    void neverTheSameEntryTwiceInARow() {
        ReviewSchedule schedule(words_, "words.dat", *store_, {}, {3, 0.9});
        QCOMPARE(Picks(schedule, start_, 3), (Indexes{0, 1, 2}));
        QVERIFY(schedule.Rate(0, false, start_).ok());
        QVERIFY(schedule.Rate(1, false, start_).ok());
        // w2, never rated, comes first in the next round, but it was shown last.
        QCOMPARE(Picks(schedule, start_.addSecs(60), 6), (Indexes{0, 2, 1, 2, 0, 1}));
    }

    void knownWordsLeaveTheSetUntilDue() {
        ReviewSchedule schedule(words_, "words.dat", *store_, {}, {2, 0.9});
        QCOMPARE(Picks(schedule, start_, 3), (Indexes{0, 1, 0}));
        QVERIFY(schedule.Exposed(0, start_).ok());
        QVERIFY(schedule.Rate(0, true, start_).ok());
        QCOMPARE(Picks(schedule, start_, 2), (Indexes{1, 1}));
        QVERIFY(schedule.Rate(1, true, start_).ok());
        // The set is empty: the words beyond the day's two, then the library in order.
        QCOMPARE(Picks(schedule, start_, 9), (Indexes{2, 3, 4, 5, 6, 7, 0, 1, 2}));
        QVERIFY(schedule.Exposed(2, start_).ok());
        QVERIFY(schedule.Exposed(3, start_).ok());

        // "I know it" on a word never rated before: already known, due in 8 days.
        const Card& first = *schedule.CardAt(0);
        QCOMPARE(first.memory->stability, Fsrs().Next({}, 0, Rating::Easy).stability);
        QCOMPARE(first.due, start_.toSecsSinceEpoch() + 8 * kDay);
        QCOMPARE(first.state, CardState::Known);

        // The next day, in a new schedule from the store: the words shown and never rated,
        // then the day's two new words; the known ones wait until due.
        const QDateTime nextDay = start_.addDays(1);
        ReviewSchedule reopened(words_, "words.dat", *store_, Stored(), {2, 0.9});
        QCOMPARE(Picks(reopened, nextDay, 5), (Indexes{2, 3, 4, 5, 2}));
    }

    void ratingsFollowTheModel() {
        ReviewSchedule schedule(words_, "words.dat", *store_, {}, {1, 0.9});
        QVERIFY(schedule.Rate(3, true, start_).ok());
        const QDateTime due = start_.addDays(8);
        QVERIFY(schedule.Rate(3, true, due).ok());
        QVERIFY(schedule.Rate(3, false, due.addDays(2)).ok());
        const Fsrs model;
        const MemoryState easy = model.Next({}, 0, Rating::Easy);
        const MemoryState good = model.Next(easy, 8, Rating::Good);
        const MemoryState again = model.Next(good, 2, Rating::Again);
        const Card& card = *schedule.CardAt(3);
        QCOMPARE(card.memory->stability, again.stability);
        QCOMPARE(card.memory->difficulty, again.difficulty);
        QCOMPARE((QList<int>{card.reps, card.lapses}), (QList<int>{3, 1}));
        QCOMPARE(card.state, CardState::Learning);
        DailyFigures day;
        QVERIFY(store_->LoadDay("words.dat", start_.date(), &day).ok());
        QCOMPARE(day.alreadyKnown, 1);
    }
};

QTEST_GUILESS_MAIN(TestReviewSchedule)
#include "tst_reviewschedule.moc"
