#include "library/WordList.h"
#include "memory/MemoryStats.h"

#include <QTemporaryDir>
#include <QtTest>

class TestMemoryStats : public QObject {
    Q_OBJECT

private slots:
    void countsEachLibrary() {
        const QDateTime now(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
        const qint64 time = now.toSecsSinceEpoch();
        QTemporaryDir dir;
        const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now);
        MemoryStore& store = *opened.store;
        const Card known{"w0", MemoryState{3, 5}, CardState::Known, 0, time, time + 3 * 86400, 1,
                         0};
        const Card learning{"w1", MemoryState{1, 7}, CardState::Learning, 0, 0, time - 60, 2, 1};
        Card gone = known;
        gone.word = "no longer in the library";
        QVERIFY(store.SaveRating("a.dat", known, Rating::Good, now).ok());
        QVERIFY(store.SaveRating("a.dat", learning, Rating::Again, now).ok());
        QVERIFY(store.SaveRating("a.dat", gone, Rating::Easy, now).ok());
        QVERIFY(store.SaveExposure("a.dat", "w2", now).ok());
        QVERIFY(store.SaveRating("b.dat", known, Rating::Good, now.addDays(-1)).ok());

        const WordList a =
            WordList::FromText("w0#m\nw1#m\nw2#m\nw3#m\n", WordList::ShortLines::Keep);
        const WordList b = WordList::FromText("w0#m\n", WordList::ShortLines::Keep);
        QStringList lines;
        QVERIFY(MemoryStatsLines(store, {{"a.dat", &a}, {"b.dat", &b}}, now, &lines).ok());
        QCOMPARE(lines,
                 (QStringList{"library\tentries\tnew\tlearning\tknown\tdue now\trated today\t"
                              "exposures today\tdue in 1d\tdue in 2d\tdue in 3d\tdue in 4d\t"
                              "due in 5d\tdue in 6d\tdue in 7d",
                              "a.dat\t4\t2\t1\t1\t1\t3\t1\t0\t0\t1\t0\t0\t0\t0",
                              "b.dat\t1\t0\t0\t1\t0\t0\t0\t0\t0\t1\t0\t0\t0\t0"}));
    }
};

QTEST_GUILESS_MAIN(TestMemoryStats)
#include "tst_memorystats.moc"
