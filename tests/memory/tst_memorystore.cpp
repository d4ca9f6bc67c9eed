#include "memory/MemoryStore.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestMemoryStore : public QObject {
    Q_OBJECT

    const QDateTime now_{QDate(2026, 3, 1), QTime(9, 0), Qt::UTC};

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    }

private slots:
    void ratingSurvivesReopen() {
        QTemporaryDir dir;
        Card card{"cat", MemoryState{2.5, 6.25}, CardState::Learning, 100, 200, 86600, 3, 1};
        {
            const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now_);
            QVERIFY(opened.store);
            QVERIFY(opened.movedAside.isEmpty());
            QVERIFY(opened.store->SaveRating("a.dat", card, Rating::Again, now_).ok());
            QVERIFY(opened.store->SaveExposure("a.dat", "dog", now_).ok());
            QVERIFY(opened.store->SaveExposure("b.dat", "cat", now_).ok());
            QVERIFY(opened.store->AddRecitedSeconds("a.dat", 42, now_).ok());
        }
        const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now_);
        std::vector<Card> cards;
        QVERIFY(opened.store->LoadCards("a.dat", &cards).ok());
        QCOMPARE(cards.size(), 2u);
        const Card& cat = cards[0].word == "cat" ? cards[0] : cards[1];
        const Card& dog = cards[0].word == "cat" ? cards[1] : cards[0];
        QCOMPARE(cat.memory->stability, 2.5);
        QCOMPARE(cat.memory->difficulty, 6.25);
        QCOMPARE(cat.state, CardState::Learning);
        QCOMPARE((QList<qint64>{cat.created, cat.lastReview, cat.due, cat.reps, cat.lapses}),
                 (QList<qint64>{100, 200, 86600, 3, 1}));
        QVERIFY(!dog.memory);
        QCOMPARE(dog.created, now_.toSecsSinceEpoch());
        DailyFigures day;
        QVERIFY(opened.store->LoadDay("a.dat", now_.date(), &day).ok());
        QCOMPARE((QList<int>{day.exposures, day.again, day.known, day.alreadyKnown, day.seconds}),
                 (QList<int>{1, 1, 0, 0, 42}));
    }

    void brokenFileIsMovedAside() {
        QTemporaryDir dir;
        const QString path = dir.filePath("memory.sqlite");
        const QByteArray garbage = QByteArray("this is no database\n").repeated(300);
        Write(dir.filePath("words.dat"), "cat#猫\r\n");
        for (const char* aside :
             {"memory.sqlite.broken-2026-03-01", "memory.sqlite.broken-2026-03-01-2"}) {
            Write(path, garbage);
            Write(path + "-wal", "stale log");
            const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now_);
            QVERIFY(opened.store);
            QCOMPARE(opened.movedAside, dir.filePath(aside));
            QCOMPARE(Read(dir.filePath(aside)), garbage);
            QCOMPARE(Read(dir.filePath(aside) + "-wal"), QByteArray("stale log"));
            QVERIFY(opened.store->SaveExposure("words.dat", "cat", now_).ok());
        }
        QCOMPARE(Read(dir.filePath("words.dat")), QByteArray("cat#猫\r\n"));
    }

    void secondWriterWaitsThenIsTold() {
        QTemporaryDir dir;
        const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now_);
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other program");
            other.setDatabaseName(dir.filePath("memory.sqlite"));
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec("BEGIN IMMEDIATE"));
            QElapsedTimer waited;
            waited.start();
            const StoreResult result = opened.store->SaveExposure("a.dat", "cat", now_);
            QCOMPARE(result.status, StoreResult::Status::Busy);
            QVERIFY(waited.elapsed() >= MemoryStore::kLockWaitMs - 100);
            QVERIFY(hold.exec("ROLLBACK"));
            other.close();
        }
        QSqlDatabase::removeDatabase("other program");
        QVERIFY(opened.store->SaveExposure("a.dat", "cat", now_).ok());
    }

    // Without them the cards of a library are read through an index, a lookup a card.
    void closingWriterLeavesPlannerStatistics() {
        QTemporaryDir dir;
        {
            const MemoryStore::Opened opened = MemoryStore::Open(dir.path(), now_);
            QVERIFY(opened.store->SaveExposure("a.dat", "cat", now_).ok());
            std::vector<Card> cards;
            QVERIFY(opened.store->LoadCards("a.dat", &cards).ok());
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "statistics");
            db.setDatabaseName(dir.filePath("memory.sqlite"));
            QVERIFY(db.open());
            QSqlQuery query("SELECT count(*) FROM sqlite_stat1 WHERE tbl = 'cards'", db);
            QVERIFY(query.next() && query.value(0).toInt() > 0);
        }
        QSqlDatabase::removeDatabase("statistics");
    }
};

QTEST_GUILESS_MAIN(TestMemoryStore)
#include "tst_memorystore.moc"
