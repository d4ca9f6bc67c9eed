// The word memory beside a real engine: a real memory.sqlite and lexado.conf in a program
// folder of their own, and a clock the test moves.

#include "commands/RecitationMemory.h"
#include "commands/WordCommands.h"
#include "library/LibraryFile.h"
#include "recitation/RecitationEngine.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/QuietSettings.h"
#include "tests/support/ScriptedUser.h"

#include <QtTest>

#include <memory>

namespace {

const QByteArrayList kWords{"w0#零", "w1#一", "w2#二", "w3#三", "w4#四", "w5#五"};

struct Rig {
    explicit Rig(const QByteArray& conf = {}) {
        folder.write("data/words.dat", kWords.join("\r\n") + "\r\n");
        if (!conf.isEmpty()) {
            folder.write("lexado.conf", conf);
        }
        record.wordTimeMs = 1000;
        record.orderedBrowse = true;
        record.grouping = false;
        record.confirmActions = false;
        memory->ReadSettings();
        opening = memory->Open();
        engine.Start(record, ReadWordLibrary(folder.path(), "words.dat").entries);
    }

    // The words of the next `count` entries the engine shows, a second apart.
    QByteArrayList Next(int count) {
        QByteArrayList words;
        for (int i = 0; i < count; ++i) {
            now = now.addSecs(1);
            engine.NextEntry();
            words.append(OnShow());
        }
        return words;
    }
    QByteArray OnShow() const { return engine.state().currentLine.split('#').first(); }

    DailyFigures Today() const {
        const MemoryStore::Opened opened = MemoryStore::Open(folder.path(), now);
        DailyFigures figures;
        opened.store->LoadDay("words.dat", now.date(), &figures);
        return figures;
    }

    ProgramFolder folder;
    SettingsRecord record = QuietSettings();
    RecitationEngine engine;
    QDateTime now{QDate(2026, 3, 1), QTime(9, 0), Qt::UTC};
    std::unique_ptr<RecitationMemory> memory =
        std::make_unique<RecitationMemory>(engine, folder.path(), [this] { return now; });
    RecitationMemory::Opening opening;
};

} // namespace

class TestRecitationMemory : public QObject {
    Q_OBJECT

private slots:
    // With the mode on the day's three new words come round, the cursor standing still; "I know
    // it" takes a word out of the set and shows the next at once. Turned off, browsing goes on
    // in order from the record's cursor, and lexado.conf keeps the companion's keys.
    void followsTheMemoryWhileItsModeIsOn() {
        Rig rig("[Pause]\nidleSeconds=7\n[Review]\nenabled=true\nnewPerDay=3\n");
        QVERIFY(rig.opening.opened);
        QCOMPARE(rig.Next(6), (QByteArrayList{"w0", "w1", "w2", "w0", "w1", "w2"}));
        QCOMPARE(rig.engine.settings().position, 0);

        rig.now = rig.now.addSecs(1);
        QVERIFY(rig.memory->Rate(true).ok());
        QCOMPARE(rig.OnShow(), QByteArray("w0"));
        QCOMPARE(rig.Next(4), (QByteArrayList{"w1", "w0", "w1", "w0"}));

        ReviewSettings off = rig.memory->settings();
        off.enabled = false;
        QVERIFY(rig.memory->TakeSettings(off));
        QCOMPARE(rig.Next(3), (QByteArrayList{"w0", "w1", "w2"}));
        QCOMPARE(rig.folder.read("lexado.conf"),
                 QByteArray("[Pause]\nidleSeconds=7\n\n[Review]\nenabled=false\nnewPerDay=3\n"
                            "retention=0.9\n"));
    }

    // "I don't know it" shows the meaning at once and keeps the entry; "I know it" shows the
    // next entry with its whole time. Every showing is counted.
    void ratingsAreKeptAndShown() {
        Rig rig;
        rig.Next(1);
        QSignalSpy ticks(&rig.engine, &RecitationEngine::ticked);
        QVERIFY(rig.memory->Rate(false).ok());
        QCOMPARE(rig.OnShow(), QByteArray("w0"));
        QVERIFY(rig.engine.state().meaningShown);
        QCOMPARE(ticks.size(), 1);
        QVERIFY(ticks.at(0).at(0).value<TickStep>().revealMeaning);
        QCOMPARE(rig.memory->CardOnShow()->state, CardState::Learning);

        QVERIFY(rig.memory->Rate(true).ok());
        QCOMPARE(rig.OnShow(), QByteArray("w1"));
        QCOMPARE(rig.engine.runningTimers().wordPeriodMs, 1000);
        QVERIFY(rig.memory->Rate(true).ok());
        QCOMPARE(rig.Today().exposures, 3);
    }

    // A memory opened once an entry is on show, as after the window's first paint, counts it.
    void countsTheEntryOnShowWhenOpenedLate() {
        Rig rig;
        rig.memory.reset();
        rig.Next(1);
        RecitationMemory late(rig.engine, rig.folder.path(), [&rig] { return rig.now; });
        QVERIFY(late.Open().opened);
        QCOMPARE(rig.Today().exposures, 1);
        rig.Next(1);
        QCOMPARE(rig.Today().exposures, 2);
    }

    // The time recited is what passed between showings while not paused, written at the end:
    // 3 s between the first four showings, none while paused, 2 s after.
    void countsTheTimeRecited() {
        Rig rig;
        rig.Next(4);
        rig.engine.Pause();
        rig.now = rig.now.addSecs(300);
        rig.engine.Resume();
        rig.Next(2);
        rig.memory.reset();
        QCOMPARE(rig.Today().seconds, 5);
    }

    // A word put in the new-word book is rated "I don't know it".
    void newWordBookCountsAsAgain() {
        Rig rig;
        rig.Next(2);
        ScriptedUser user;
        WordCommands commands(rig.engine, rig.folder.path(), user, {}, rig.memory.get());
        QVERIFY(commands.Run(CommandId::AddToNewWordBook));
        QCOMPARE(rig.Today().again, 1);
        QVERIFY(user.said.isEmpty());
        QVERIFY(rig.engine.state().meaningShown);
    }

    void readsItsOptions_data() {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("newPerDay");
        QTest::addColumn<double>("retention");
        QTest::newRow("set") << QByteArray("[Review]\nenabled=1\nnewPerDay=5\nretention=0.85\n")
                             << true << 5 << 0.85;
        QTest::newRow("out of range")
            << QByteArray("[Review]\nenabled=yes\nnewPerDay=-1\nretention=0.99\n") << false << 20
            << 0.97;
    }
    void readsItsOptions() {
        QFETCH(QByteArray, conf);
        ProgramFolder folder;
        folder.write("lexado.conf", conf);
        const ReviewSettings settings = LoadReviewSettings(folder.path());
        QTEST(settings.enabled, "enabled");
        QTEST(settings.schedule.newPerDay, "newPerDay");
        QTEST(settings.schedule.retention, "retention");
    }
};

QTEST_GUILESS_MAIN(TestRecitationMemory)
#include "tst_recitationmemory.moc"
