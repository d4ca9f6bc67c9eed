#include "memory/ProgressFigures.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

namespace {

// An hour ahead of UTC, so that the zone's midnight is not UTC's.
const QTimeZone kZone(3600);
const QDate kToday(2026, 3, 10);
const QDateTime kNow(kToday, QTime(12, 0), kZone);

QDateTime At(int day, int hour, int minute = 0) {
    return QDateTime(kToday.addDays(day), QTime(hour, minute), kZone);
}

qint64 Secs(int day, int hour, int minute = 0) {
    return At(day, hour, minute).toSecsSinceEpoch();
}

// The card as it is after a rating.
Card Rated(const QByteArray& word, CardState state, qint64 due) {
    return {word, MemoryState{2, 5}, state, 0, 0, due, 1, 0};
}

// The past days that hold anything, as (days before today, known, again, exposures, seconds).
QList<QList<int>> BusyDays(const ProgressFigures& figures) {
    QList<QList<int>> busy;
    for (const ProgressDay& day : figures.days) {
        if (day.known || day.again || day.exposures || day.seconds) {
            busy.append(
                {int(day.day.daysTo(kToday)), day.known, day.again, day.exposures, day.seconds});
        }
    }
    return busy;
}

QList<int> DueCounts(const ProgressFigures& figures) {
    QList<int> counts;
    for (const DueDay& day : figures.due) {
        counts.append(day.cards);
    }
    return counts;
}

} // namespace

class TestProgressFigures : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<MemoryStore> store_;

    void Rate(const char* library, const Card& card, Rating rating, const QDateTime& when) {
        QVERIFY(store_->SaveRating(library, card, rating, when).ok());
    }

private slots:
    // A history with known answers: first ratings, ratings of due cards and of cards not yet
    // due, ratings either side of the zone's midnight, a day without ratings, a second library.
    void initTestCase() {
        store_ = std::move(MemoryStore::Open(dir_.path(), kNow).store);
        QVERIFY(store_);
        Rate("a.dat", Rated("f", CardState::Learning, Secs(-32, 9)), Rating::Again, At(-40, 9));
        Rate("a.dat", Rated("f", CardState::Known, Secs(40, 9)), Rating::Good, At(-31, 9));
        Rate("a.dat", Rated("e", CardState::Learning, Secs(-1, 12)), Rating::Again, At(-5, 9));
        QVERIFY(store_->SaveExposure("b.dat", "x", At(-4, 9)).ok());
        Rate("a.dat", Rated("a", CardState::Learning, Secs(-2, 10)), Rating::Again, At(-3, 10));
        QVERIFY(store_->AddRecitedSeconds("a.dat", 30, At(-3, 10)).ok());
        QVERIFY(store_->SaveExposure("a.dat", "a", At(-2, 10)).ok());
        Rate("a.dat", Rated("a", CardState::Known, Secs(2, 0, 30)), Rating::Good, At(-2, 11));
        Rate("a.dat", Rated("b", CardState::Known, Secs(0, 0, 10)), Rating::Easy, At(-2, 23, 50));
        Rate("a.dat", Rated("c", CardState::Learning, Secs(5, 0)), Rating::Again, At(-1, 0, 5));
        Rate("a.dat", Rated("b", CardState::Learning, Secs(0, 18)), Rating::Again, At(0, 9));
        Rate("a.dat", Rated("c", CardState::Known, Secs(13, 23, 59)), Rating::Good, At(0, 9, 30));
        for (const char* word : {"a", "a", "d"}) {
            QVERIFY(store_->SaveExposure("a.dat", word, At(0, 10)).ok());
        }
        QVERIFY(store_->AddRecitedSeconds("a.dat", 90, At(0, 10)).ok());
        Rate("b.dat", Rated("x", CardState::Known, Secs(3, 9)), Rating::Easy, At(0, 11));
    }

    void figuresOfOneLibraryAndOfAll_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QList<QList<int>>>("days");
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<QList<int>>("due");
        const QList<QList<int>> days{
            {5, 0, 1, 0, 0}, {3, 0, 1, 0, 30}, {2, 2, 0, 1, 0}, {1, 0, 1, 0, 0}, {0, 1, 1, 3, 90}};
        QTest::newRow("a.dat") << "a.dat" << days << QList<int>{1, 2, 3}
                               << QList<int>{2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        QList<QList<int>> all = days;
        all.insert(1, {4, 0, 0, 1, 0});
        all.last() = {0, 2, 1, 3, 90};
        QTest::newRow("all") << QString() << all << QList<int>{1, 2, 4}
                             << QList<int>{2, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    }
    void figuresOfOneLibraryAndOfAll() {
        QFETCH(QString, library);
        // Read as the statistics window reads, on a connection of its own beside the writer.
        const MemoryStore::Opened reader = MemoryStore::OpenReader(dir_.path());
        QVERIFY(reader.store);
        ProgressFigures figures;
        QVERIFY(ComputeProgressFigures(*reader.store, library, kNow, 0.9, &figures).ok());
        QCOMPARE(figures.days.size(), std::size_t(ProgressFigures::kPastDays));
        QCOMPARE(figures.days.back().day, kToday);
        QTEST(BusyDays(figures), "days");
        QTEST((QList<int>{figures.newCards, figures.learningCards, figures.knownCards}), "states");
        QCOMPARE(figures.due.front().day, kToday);
        QTEST(DueCounts(figures), "due");
        QCOMPARE(figures.streak, 4);
        // Of the month's ratings of due cards ("a" known, "b" not), "c" was rated before it
        // was due and "f" too long ago.
        QCOMPARE(figures.dueRatings, 2);
        QCOMPARE(figures.Retention(), std::optional<double>(0.5));
        QCOMPARE(figures.targetRetention, 0.9);
    }

    // Today without a rating yet keeps yesterday's streak; a day without one ends it.
    void streakEndsAfterAMissedDay_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("streak");
        QTest::newRow("today rated") << At(0, 23, 59) << 4;
        QTest::newRow("after midnight") << At(1, 0, 1) << 4;
        QTest::newRow("a day missed") << At(2, 0, 1) << 0;
        QTest::newRow("before the missed day") << At(-4, 12) << 1;
    }
    void streakEndsAfterAMissedDay() {
        QFETCH(QDateTime, now);
        ProgressFigures figures;
        QVERIFY(ComputeProgressFigures(*store_, "a.dat", now, 0.9, &figures).ok());
        QTEST(figures.streak, "streak");
    }

    void csvHasOneLinePerDay() {
        ProgressFigures figures;
        QVERIFY(ComputeProgressFigures(*store_, "a.dat", kNow, 0.9, &figures).ok());
        const QList<QByteArray> lines = ProgressCsv(figures).split('\n');
        QCOMPARE(lines.size(), 1 + 30 + 13 + 1);
        QCOMPARE(lines.first(), "date,known,again,exposures,seconds,due\r");
        QCOMPARE(lines[1], "2026-02-09,0,0,0,0,\r");
        QCOMPARE(lines[28], "2026-03-08,2,0,1,0,\r");
        QCOMPARE(lines[30], "2026-03-10,1,1,3,90,2\r");
        QCOMPARE(lines[32], "2026-03-12,,,,,1\r");
        QCOMPARE(lines[43], "2026-03-23,,,,,1\r");
        QCOMPARE(lines.last(), "");
    }

    // The reader never makes a database, and cannot write to the one it reads.
    void readerOnlyReads() {
        QTemporaryDir empty;
        QVERIFY(!MemoryStore::OpenReader(empty.path()).store);
        QVERIFY(QDir(empty.path()).isEmpty());
        const MemoryStore::Opened reader = MemoryStore::OpenReader(dir_.path());
        QVERIFY(!reader.store->AddRecitedSeconds("a.dat", 1, kNow).ok());
    }
};

QTEST_GUILESS_MAIN(TestProgressFigures)
#include "tst_progressfigures.moc"
