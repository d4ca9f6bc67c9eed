// Ratings written by another process that is killed at any moment: every rating it reported
// is in the memory, none twice, and the memory opens as it was.

#include "memory/MemoryStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

namespace {

constexpr int kKills = 100;

struct Stored {
    std::set<qint64> words;
    qint64 rows = 0;
};

// The words rated, read back through a connection of the test's own.
Stored ReadStored(const QString& folder) {
    Stored stored;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(folder + QStringLiteral("/memory.sqlite"));
        if (db.open()) {
            QSqlQuery query("SELECT cards.word FROM ratings JOIN cards ON cards.id = ratings.card",
                            db);
            while (query.next()) {
                stored.words.insert(query.value(0).toByteArray().mid(1).toLongLong());
                ++stored.rows;
            }
        }
    }
    QSqlDatabase::removeDatabase("check");
    return stored;
}

} // namespace

class TestRatingSurvival : public QObject {
    Q_OBJECT

private slots:
    void ratingsSurviveKills() {
        QTemporaryDir dir;
        std::set<qint64> reported;
        qint64 next = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(RATING_WRITER), {dir.path(), QString::number(next)});
            QVERIFY(writer.waitForStarted());
            // Killed after 1 to 30 reported ratings, wherever it is then.
            const int wanted = 1 + QRandomGenerator::global()->bounded(30);
            QByteArray out;
            while (out.count('\n') < wanted && writer.waitForReadyRead(5000)) {
                out += writer.readAllStandardOutput();
            }
            writer.kill();
            QVERIFY(writer.waitForFinished());
            out += writer.readAllStandardOutput();
            for (const QByteArray& line : out.split('\n')) {
                if (!line.isEmpty()) {
                    reported.insert(line.toLongLong());
                }
            }
            QVERIFY2(!reported.empty(), qPrintable(writer.readAllStandardError()));
            const Stored stored = ReadStored(dir.path());
            // A rating written but not yet reported when the kill came is kept too.
            next = stored.words.empty() ? 0 : *stored.words.rbegin() + 1;
            QCOMPARE(stored.rows, qint64(stored.words.size()));
        }
        const Stored stored = ReadStored(dir.path());
        for (const qint64 word : reported) {
            QVERIFY2(stored.words.count(word), qPrintable(QString::number(word)));
        }
        QCOMPARE(stored.rows, qint64(stored.words.size()));
        QVERIFY(MemoryStore::Open(dir.path(), QDateTime::currentDateTime()).movedAside.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRatingSurvival)
#include "tst_ratingsurvival.moc"
