#include "recitation/RecitationEngine.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <numeric>

using Indexes = QList<qsizetype>;

namespace {

// The window's record, list and state, with an engine working on them.
struct Rig {
    explicit Rig(int entries, bool grouping = true, bool ordered = true) {
        settings.grouping = grouping;
        settings.orderedBrowse = ordered;
        for (int i = 0; i < entries; ++i) {
            words.append(QByteArray("w") + QByteArray::number(i) + "#m");
        }
        engine.Seed(12345);
    }

    Indexes Next(int count) {
        Indexes shown;
        for (int i = 0; i < count; ++i) {
            engine.NextEntry();
            shown.append(state.currentIndex);
        }
        return shown;
    }

    SettingsRecord settings = DefaultSettings(96, {});
    WordList words;
    RecitationState state;
    RecitationEngine engine{settings, words, state};
};

Indexes Range(qsizetype first, qsizetype last) {
    Indexes range(last - first + 1);
    std::iota(range.begin(), range.end(), first);
    return range;
}

Indexes Times(const Indexes& indexes, int times) {
    Indexes repeated;
    for (int i = 0; i < times; ++i) {
        repeated += indexes;
    }
    return repeated;
}

} // namespace

class TestRecitationEngine : public QObject {
    Q_OBJECT

private slots:
    // A library missing or empty for one run is a single pseudo-entry: every mode shows it and
    // leaves the stored place as it was, for the run that finds the library again.
    void singleEntryKeepsTheStoredPlace() {
        for (const bool grouping : {true, false}) {
            for (const bool ordered : {true, false}) {
                Rig rig(1, grouping, ordered);
                rig.settings.groupNumber = 3;
                rig.settings.position = 7;
                rig.settings.repeatCount = 2;
                QCOMPARE(rig.Next(3), (Indexes{0, 0, 0}));
                QCOMPARE(rig.state.currentLine, QByteArray("w0#m"));
                QCOMPARE(rig.settings.groupNumber, 3);
                QCOMPARE(rig.settings.position, 7);
                QCOMPARE(rig.settings.repeatCount, 2);
            }
        }
    }

    void groupsInOrderRepeatAndEndOfListCountsNoPass() {
        Rig rig(100);
        const Indexes expected = Times(Range(0, 49), 3) + Range(50, 99) + Range(0, 49);
        QCOMPARE(rig.Next(expected.size()), expected);
        QCOMPARE(rig.settings.groupNumber, 1);
        QCOMPARE(rig.settings.repeatCount, 1);
    }

    void partialLastGroupIsVisitedOnce() {
        Rig rig(105);
        const Indexes expected =
            Times(Range(0, 49), 3) + Times(Range(50, 99), 3) + Range(100, 104) + Range(0, 4);
        QCOMPARE(rig.Next(expected.size()), expected);
        QCOMPARE(rig.settings.groupNumber, 1);
        QCOMPARE(rig.settings.position, 5);
        QCOMPARE(rig.settings.repeatCount, 0);
    }

    void inOrderWithoutGroupsWrapsAround() {
        Rig rig(100, false);
        rig.settings.position = 99;
        QCOMPARE(rig.Next(2), (Indexes{99, 0}));
        QCOMPARE(rig.settings.position, 1);
    }

    void randomDrawsReachTheWholeList() {
        Rig rig(100000, false, false);
        const Indexes drawn = rig.Next(2000);
        QVERIFY(*std::max_element(drawn.begin(), drawn.end()) > 90000);
        QCOMPARE(rig.settings.position, drawn.last() + 1);
    }

    void randomDrawsStayInTheGroup() {
        Rig rig(105, true, false);
        rig.settings.groupNumber = 2;
        for (qsizetype index : rig.Next(300)) {
            QVERIFY(index >= 50 && index < 100);
            QCOMPARE(rig.settings.position, rig.state.currentIndex + 1 - 50);
        }
        // The partial last group: draws past the end wrap to the start of the list.
        rig.settings.groupNumber = 3;
        const Indexes drawn = rig.Next(400);
        for (qsizetype index : drawn) {
            QVERIFY(index >= 100 || index < 45);
        }
        QVERIFY(std::any_of(drawn.begin(), drawn.end(), [](qsizetype i) { return i < 45; }));
        QCOMPARE(rig.settings.groupNumber, 3);
        QCOMPARE(rig.settings.repeatCount, 0);
        // A group larger than the list draws from the whole list.
        Rig small(10, true, false);
        small.Next(50);
        QCOMPARE(small.settings.position, small.state.currentIndex);
    }

    void seededDrawsRepeat() {
        Rig first(1000, false, false);
        Rig second(1000, false, false);
        QCOMPARE(first.Next(20), second.Next(20));
    }

    // A cursor that does not fit the list restarts; without groups only the position does,
    // and the group and its passes wait for grouping to come back.
    void cursorOutsideTheListRestarts_data() {
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("keptGroup"); // 0: restarted at group 1, pass 0
        QTest::newRow("grouped, group past the end") << true << true << 9 << 3 << 0;
        QTest::newRow("grouped, position past the group") << true << true << 1 << 60 << 0;
        QTest::newRow("grouped, negative position") << true << true << 1 << -4 << 0;
        QTest::newRow("random groups, group past the end") << true << false << 5 << 0 << 0;
        QTest::newRow("in order, position past the end") << false << true << 9 << 120 << 9;
        QTest::newRow("in order, negative position") << false << true << 9 << -1 << 9;
    }

    void cursorOutsideTheListRestarts() {
        QFETCH(bool, grouping);
        QFETCH(bool, ordered);
        QFETCH(int, group);
        QFETCH(int, position);
        QFETCH(int, keptGroup);
        Rig rig(120, grouping, ordered);
        rig.settings.groupNumber = group;
        rig.settings.position = position;
        rig.settings.repeatCount = 2;
        rig.engine.NextEntry();
        QVERIFY(rig.state.currentIndex >= 0 && rig.state.currentIndex < 50);
        QCOMPARE(rig.settings.groupNumber, keptGroup != 0 ? keptGroup : 1);
        QCOMPARE(rig.settings.repeatCount, keptGroup != 0 ? 2 : 0);
        if (ordered) {
            QCOMPARE(rig.state.currentIndex, 0);
            QCOMPARE(rig.settings.position, 1);
        }
    }

    // Counters at the edge of their range, as a file may hold them, are brought into range on
    // loading: the last pass of a group with a pass count of 2^31-1 moves on to the next group.
    void extremeCountersAreBroughtIntoRange() {
        Rig rig(150);
        SettingsRecord stored = rig.settings;
        stored.groupNumber = 2;
        stored.position = 49;
        stored.repeatCount = std::numeric_limits<std::int32_t>::max();
        rig.settings = RecordFromBytes(RecordBytes(stored), stored);
        QCOMPARE(rig.Next(2), (Indexes{99, 100}));
        QCOMPARE(rig.settings.groupNumber, 3);
        QCOMPARE(rig.settings.repeatCount, 0);
    }

    void previousAndNextGroupCountWholeGroups() {
        Rig rig(105);
        rig.settings.position = 7;
        rig.settings.repeatCount = 2;
        rig.engine.PreviousGroup();
        QCOMPARE(rig.settings.groupNumber, 2);
        QCOMPARE(rig.settings.position, 0);
        QCOMPARE(rig.settings.repeatCount, 0);
        rig.engine.NextGroup();
        QCOMPARE(rig.settings.groupNumber, 1);
        rig.engine.NextGroup();
        QCOMPARE(rig.settings.groupNumber, 2);
        QCOMPARE(rig.Next(1), Indexes{50}); // shown from the next expiry on

        Rig shortList(30); // shorter than one group: group 1 is the only one
        shortList.engine.PreviousGroup();
        QCOMPARE(shortList.settings.groupNumber, 1);
        shortList.engine.NextGroup();
        QCOMPARE(shortList.settings.groupNumber, 1);
    }

    void showingAnEntryRestartsItsTicks() {
        Rig rig(10);
        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        rig.state.tick = 40;
        rig.state.meaningShown = true;
        rig.engine.NextEntry();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(rig.state.tick, 2);
        QVERIFY(!rig.state.meaningShown);
    }

    void ticksRevealTheMeaningOnceAndGrowTheBar() {
        Rig rig(10);
        rig.engine.NextEntry();
        QList<int> bars;
        int revealedAt = 0;
        for (int i = 1; i <= 48; ++i) {
            const TickStep step = rig.engine.Tick(200);
            QVERIFY(step.drawBar);
            bars.append(step.barEnd);
            if (step.revealMeaning) {
                QCOMPARE(revealedAt, 0);
                revealedAt = i;
            }
        }
        QCOMPARE(revealedAt, 24); // tick 26
        QVERIFY(rig.state.meaningShown);
        QCOMPARE(bars.first(), 12); // 200 * 3 / 50
        QCOMPARE(bars.last(), 200);

        rig.settings.showProgressBar = 0;
        rig.settings.fadeInMeaning = 0;
        rig.engine.NextEntry();
        for (int i = 0; i < 30; ++i) {
            const TickStep step = rig.engine.Tick(200);
            QVERIFY(!step.drawBar && !step.revealMeaning);
        }
    }

    void timersFollowSettingsAndPause() {
        Rig rig(10);
        rig.engine.RunTimers(true);
        QVERIFY(rig.engine.wordTimer().isActive());
        QCOMPARE(rig.engine.wordTimer().interval(), 5000);
        QVERIFY(rig.engine.tickTimer().isActive());
        QCOMPARE(rig.engine.tickTimer().interval(), 100);

        rig.engine.TogglePause();
        QVERIFY(rig.state.paused);
        QVERIFY(!rig.engine.wordTimer().isActive() && !rig.engine.tickTimer().isActive());
        rig.engine.RunTimers(true); // after a dialog: still paused
        QVERIFY(!rig.engine.wordTimer().isActive());

        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        rig.engine.TogglePause();
        QCOMPARE(shown.count(), 1); // resuming shows a new entry at once
        QVERIFY(rig.engine.wordTimer().isActive() && rig.engine.tickTimer().isActive());

        rig.engine.RunTimers(false);
        rig.settings.showProgressBar = 0;
        rig.settings.fadeInMeaning = 0;
        rig.settings.wordTimeMs = 1;
        rig.engine.RunTimers(true);
        QCOMPARE(rig.engine.wordTimer().interval(), 10);
        QVERIFY(!rig.engine.tickTimer().isActive());
        rig.settings.showProgressBar = 1;
        rig.engine.RunTimers(true);
        QCOMPARE(rig.engine.tickTimer().interval(), 10);
    }

    void wordTimerShowsTheNextEntry() {
        Rig rig(10);
        rig.settings.wordTimeMs = 20;
        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        rig.engine.RunTimers(true);
        QVERIFY(shown.wait(2000));
        QCOMPARE(rig.state.currentIndex, 0);
    }

    void readAgainDecision() {
        Rig rig(10);
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::Nothing);
        rig.state.speechReady = true;
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::Speak);
        rig.settings.speechOn = 0;
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::StartVoiceThenSpeak);
    }
};

QTEST_GUILESS_MAIN(TestRecitationEngine)
#include "tst_recitationengine.moc"
