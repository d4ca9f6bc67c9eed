#include "recitation/EntryLayout.h"
#include "recitation/RecitationEngine.h"
#include "recitation/TooltipText.h"
#include "recitation/WindowPlacement.h"
#include "tests/support/ProgramFolder.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <numeric>
#include <random>

using Indexes = QList<qsizetype>;

namespace {

WordList Words(int count, const QByteArray& prefix = "w") {
    WordList words;
    for (int i = 0; i < count; ++i) {
        words.append(prefix + QByteArray::number(i) + "#m");
    }
    return words;
}

// An engine given a record and a list as a progress file gives them, with its draws seeded
// with a fixed number.
struct Rig {
    explicit Rig(int entries, bool grouping = true, bool ordered = true) : words(Words(entries)) {
        record.grouping = grouping;
        record.orderedBrowse = ordered;
        Load();
    }

    // Hands `record` and `words` to the engine; the cursor is the record's.
    void Load() {
        engine.AdoptProgress(record, words);
        engine.Seed(12345);
    }

    Indexes Next(int count) {
        Indexes shown;
        for (int i = 0; i < count; ++i) {
            engine.NextEntry();
            shown.append(state().currentIndex);
        }
        return shown;
    }

    const SettingsRecord& settings() const { return engine.settings(); }
    const RecitationState& state() const { return engine.state(); }
    bool TimersRun() const { return engine.runningTimers().wordPeriodMs != 0; }

    SettingsRecord record = DefaultSettings(96, {});
    WordList words;
    RecitationEngine engine;
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
                rig.record.groupNumber = 3;
                rig.record.position = 7;
                rig.record.repeatCount = 2;
                rig.Load();
                QCOMPARE(rig.Next(3), (Indexes{0, 0, 0}));
                QCOMPARE(rig.state().currentLine, QByteArray("w0#m"));
                QCOMPARE(rig.settings().groupNumber, 3);
                QCOMPARE(rig.settings().position, 7);
                QCOMPARE(rig.settings().repeatCount, 2);
            }
        }
    }

    void groupsInOrderRepeatAndEndOfListCountsNoPass() {
        Rig rig(100);
        const Indexes expected = Times(Range(0, 49), 3) + Range(50, 99) + Range(0, 49);
        QCOMPARE(rig.Next(expected.size()), expected);
        QCOMPARE(rig.settings().groupNumber, 1);
        QCOMPARE(rig.settings().repeatCount, 1);
    }

    void partialLastGroupIsVisitedOnce() {
        Rig rig(105);
        const Indexes expected =
            Times(Range(0, 49), 3) + Times(Range(50, 99), 3) + Range(100, 104) + Range(0, 4);
        QCOMPARE(rig.Next(expected.size()), expected);
        QCOMPARE(rig.settings().groupNumber, 1);
        QCOMPARE(rig.settings().position, 5);
        QCOMPARE(rig.settings().repeatCount, 0);
    }

    void inOrderWithoutGroupsWrapsAround() {
        Rig rig(100, false);
        rig.record.position = 99;
        rig.Load();
        QCOMPARE(rig.Next(2), (Indexes{99, 0}));
        QCOMPARE(rig.settings().position, 1);
    }

    void randomDrawsReachTheWholeList() {
        Rig rig(100000, false, false);
        const Indexes drawn = rig.Next(2000);
        QVERIFY(*std::max_element(drawn.begin(), drawn.end()) > 90000);
        QCOMPARE(rig.settings().position, drawn.last() + 1);
    }

    void randomDrawsStayInTheGroup() {
        Rig rig(105, true, false);
        rig.record.groupNumber = 2;
        rig.Load();
        for (qsizetype index : rig.Next(300)) {
            QVERIFY(index >= 50 && index < 100);
            QCOMPARE(rig.settings().position, rig.state().currentIndex + 1 - 50);
        }
        // The partial last group: draws past the end wrap to the start of the list.
        rig.record.groupNumber = 3;
        rig.Load();
        const Indexes drawn = rig.Next(400);
        for (qsizetype index : drawn) {
            QVERIFY(index >= 100 || index < 45);
        }
        QVERIFY(std::any_of(drawn.begin(), drawn.end(), [](qsizetype i) { return i < 45; }));
        QCOMPARE(rig.settings().groupNumber, 3);
        QCOMPARE(rig.settings().repeatCount, 0);
        // A group larger than the list draws from the whole list.
        Rig small(10, true, false);
        small.Next(50);
        QCOMPARE(small.settings().position, small.state().currentIndex);
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
        rig.record.groupNumber = group;
        rig.record.position = position;
        rig.record.repeatCount = 2;
        rig.Load();
        rig.engine.NextEntry();
        QVERIFY(rig.state().currentIndex >= 0 && rig.state().currentIndex < 50);
        QCOMPARE(rig.settings().groupNumber, keptGroup != 0 ? keptGroup : 1);
        QCOMPARE(rig.settings().repeatCount, keptGroup != 0 ? 2 : 0);
        if (ordered) {
            QCOMPARE(rig.state().currentIndex, 0);
            QCOMPARE(rig.settings().position, 1);
        }
    }

    // Counters at the edge of their range, as a file may hold them, are brought into range on
    // loading: the last pass of a group with a pass count of 2^31-1 moves on to the next group.
    void extremeCountersAreBroughtIntoRange() {
        Rig rig(150);
        rig.record.groupNumber = 2;
        rig.record.position = 49;
        rig.record.repeatCount = std::numeric_limits<std::int32_t>::max();
        rig.Load();
        QCOMPARE(rig.Next(2), (Indexes{99, 100}));
        QCOMPARE(rig.settings().groupNumber, 3);
        QCOMPARE(rig.settings().repeatCount, 0);
    }

    // Any 212 bytes, in every mode, over lists of any length: the engine only ever takes
    // entries of the list, and the place and the layout come out of it without overflowing.
    void randomRecordsAreSafeInEveryMode() {
        std::mt19937 random(7);
        const QList<ScreenArea> screens{{{0, 0, 1280, 800}, {0, 0, 1280, 770}},
                                        {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}}};
        for (int run = 0; run < 500; ++run) {
            QByteArray bytes(212, Qt::Uninitialized);
            for (char& byte : bytes) {
                byte = static_cast<char>(random() & 0xFF);
            }
            // Half the records get counters near the 32-bit limits.
            if (run % 2 == 0) {
                for (const int offset : {88, 92, 96, 100, 104, 108, 120, 124, 128, 132}) {
                    const bool high = (random() & 1) != 0;
                    const std::int32_t value = high ? std::numeric_limits<std::int32_t>::max() -
                                                          static_cast<std::int32_t>(random() % 3)
                                                    : std::numeric_limits<std::int32_t>::min();
                    std::memcpy(bytes.data() + offset, &value, sizeof value);
                }
            }
            const SettingsRecord record = RecordFromBytes(bytes, {});
            const int entries = 1 + static_cast<int>(random() % 130);
            for (const bool grouping : {true, false}) {
                for (const bool ordered : {true, false}) {
                    SettingsRecord mode = record;
                    mode.grouping = grouping;
                    mode.orderedBrowse = ordered;
                    RecitationEngine engine;
                    engine.AdoptProgress(mode, Words(entries));
                    for (int step = 0; step < 60; ++step) {
                        engine.NextEntry();
                        QVERIFY(engine.state().currentIndex >= 0 &&
                                engine.state().currentIndex < entries);
                        engine.Tick();
                    }
                    engine.PreviousGroup();
                    engine.NextGroup();
                    engine.NextEntry();
                    QVERIFY(engine.settings().groupNumber >= 1);
                    QVERIFY(!TooltipText(engine.settings(), entries).isEmpty());

                    const QRect stored = QRectOf(engine.settings().windowRect);
                    const ScreenArea& screen = ScreenHoldingMost(stored, screens);
                    const EntryLayout layout =
                        LayOutEntry({{300, 30}, {500, 30}, {100, 27}},
                                    {engine.settings().oneLine, engine.settings().showMeaning,
                                     engine.settings().showProgressBar},
                                    screen.workArea.width());
                    const QRect placed = PlaceInWorkArea(QRect(stored.topLeft(), layout.windowSize),
                                                         screen.workArea);
                    QVERIFY(screen.workArea.contains(placed));
                    QVERIFY(BarEnd(layout.blockWidth, engine.state().tick) >= 0);
                }
            }
        }
    }

    void previousAndNextGroupCountWholeGroups() {
        Rig rig(105);
        rig.record.position = 7;
        rig.record.repeatCount = 2;
        rig.Load();
        rig.engine.PreviousGroup();
        QCOMPARE(rig.settings().groupNumber, 2);
        QCOMPARE(rig.settings().position, 0);
        QCOMPARE(rig.settings().repeatCount, 0);
        rig.engine.NextGroup();
        QCOMPARE(rig.settings().groupNumber, 1);
        rig.engine.NextGroup();
        QCOMPARE(rig.settings().groupNumber, 2);
        QCOMPARE(rig.Next(1), Indexes{50}); // shown from the next expiry on

        Rig shortList(30); // shorter than one group: group 1 is the only one
        shortList.engine.PreviousGroup();
        QCOMPARE(shortList.settings().groupNumber, 1);
        shortList.engine.NextGroup();
        QCOMPARE(shortList.settings().groupNumber, 1);
    }

    // Start-up keeps the stored place and browses, the timers left for the window to start; the
    // first entry comes with the first NextEntry.
    void startKeepsTheStoredPlace() {
        RecitationEngine engine;
        QSignalSpy shown(&engine, &RecitationEngine::entryShown);
        SettingsRecord record = DefaultSettings(96, {});
        record.groupNumber = 2;
        record.position = 5;
        record.repeatCount = 1;
        engine.Start(record, Words(120));
        QCOMPARE(engine.runningTimers(), RunningTimers{});
        QVERIFY(!engine.state().paused);
        QCOMPARE(shown.count(), 0);
        engine.NextEntry();
        QCOMPARE(engine.state().currentIndex, 55);
        QCOMPARE(engine.settings().repeatCount, 1);
    }

    // A chosen library starts at its beginning, in every mode, with the group size cut to it.
    void chosenLibraryStartsAtItsBeginning_data() {
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("groupSize");
        QTest::newRow("shorter than a group") << true << 3 << 3;
        QTest::newRow("longer than a group") << true << 120 << 50;
        QTest::newRow("without groups") << false << 3 << 3;
    }

    void chosenLibraryStartsAtItsBeginning() {
        QFETCH(bool, grouping);
        QFETCH(int, entries);
        QFETCH(int, groupSize);
        Rig rig(200, grouping);
        rig.record.groupNumber = 3;
        rig.record.position = 10;
        rig.record.repeatCount = 2;
        rig.Load();
        rig.engine.StartLibrary("three.dat", "Three", Words(entries, "t"));
        QCOMPARE(NameField(rig.settings().libraryFile), "three.dat");
        QCOMPARE(NameField(rig.settings().libraryName), "Three");
        QCOMPARE(rig.engine.entryCount(), entries);
        QCOMPARE(rig.settings().groupSize, groupSize);
        QCOMPARE(rig.settings().groupNumber, 1);
        QCOMPARE(rig.settings().position, 0);
        QCOMPARE(rig.settings().repeatCount, 0);
        rig.engine.NextEntry();
        QCOMPARE(rig.state().currentLine, QByteArray("t0#m"));
    }

    void showingAnEntryRestartsItsTicks() {
        Rig rig(10);
        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        for (int i = 0; i < 40; ++i) {
            rig.engine.Tick();
        }
        QVERIFY(rig.state().meaningShown);
        rig.engine.NextEntry();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(rig.state().tick, 2);
        QVERIFY(!rig.state().meaningShown);
    }

    // While paused no tick reveals the meaning: every entry shown then, by Enter, find, a
    // chosen library or a loaded place, comes with its meaning. Enter does nothing while
    // browsing runs.
    void entriesShownWhilePausedShowTheirMeaning() {
        Rig rig(10);
        rig.engine.NextEntry();
        rig.engine.StepWhilePaused();
        QCOMPARE(rig.state().currentIndex, 0);
        QVERIFY(!rig.state().meaningShown);

        rig.engine.TogglePause();
        const QList<std::pair<const char*, std::function<void()>>> commands{
            {"step", [&] { rig.engine.StepWhilePaused(); }},
            {"find", [&] { rig.engine.ShowFoundEntry(7); }},
            {"choose",
             [&] {
                 rig.engine.StartLibrary("t.dat", "T", Words(3, "t"));
                 rig.engine.NextEntry();
             }},
            {"progress",
             [&] {
                 rig.engine.AdoptProgress(rig.record, rig.words);
                 rig.engine.NextEntry();
             }},
        };
        const QByteArrayList lines{"w1#m", "w7#m", "t0#m", "w0#m"};
        for (int i = 0; i < commands.size(); ++i) {
            commands[i].second();
            QCOMPARE(rig.state().currentLine, lines[i]);
            QVERIFY2(rig.state().meaningShown, commands[i].first);
            QVERIFY(rig.state().paused);
            QVERIFY(!rig.TimersRun());
        }
        rig.engine.TogglePause(); // resumes with the meaning hidden until its time
        QVERIFY(!rig.state().meaningShown);
    }

    // Find points the cursor at the entry found, in its group when grouping, and browsing goes
    // on from there; the passes of the group are kept.
    void foundEntryBecomesThePlace() {
        Rig rig(200);
        rig.record.repeatCount = 2;
        rig.Load();
        rig.engine.ShowFoundEntry(120);
        QCOMPARE(rig.state().currentIndex, 120);
        QCOMPARE(rig.state().currentLine, QByteArray("w120#m"));
        QCOMPARE(rig.settings().groupNumber, 3);
        QCOMPARE(rig.settings().position, 20);
        QCOMPARE(rig.settings().repeatCount, 2);
        QCOMPARE(rig.state().tick, 2);
        QCOMPARE(rig.Next(2), (Indexes{120, 121}));
        rig.engine.ShowFoundEntry(49);
        QCOMPARE(rig.settings().groupNumber, 1);
        QCOMPARE(rig.settings().position, 49);
        rig.engine.ShowFoundEntry(50);
        QCOMPARE(rig.settings().groupNumber, 2);
        QCOMPARE(rig.settings().position, 0);

        Rig plain(200, false);
        plain.record.groupNumber = 3;
        plain.Load();
        plain.engine.ShowFoundEntry(120);
        QCOMPARE(plain.settings().position, 120);
        QCOMPARE(plain.settings().groupNumber, 3);
        QCOMPARE(plain.Next(1), Indexes{120});
        QCOMPARE(plain.settings().position, 121);
    }

    // The entry asked about goes, also when another is on show by then; a later entry on show
    // moves up with the list. The last entry and the line deleted last are refused.
    void removedEntriesLeaveTheList() {
        Rig rig(4);
        rig.engine.NextEntry();
        rig.engine.NextEntry(); // w1 on show
        const std::optional<EntryOnShow> asked = rig.engine.EntryToRemove();
        QVERIFY(asked);
        QCOMPARE(asked->index, 1);
        rig.engine.NextEntry(); // w2 comes while the question is open
        rig.engine.RemoveEntry(*asked);
        QCOMPARE(rig.engine.library().words().toList(), (QByteArrayList{"w0#m", "w2#m", "w3#m"}));
        QVERIFY(rig.engine.library().dirty());
        QCOMPARE(rig.state().currentIndex, 1);
        QCOMPARE(rig.state().currentLine, QByteArray("w2#m"));

        rig.engine.RemoveEntry(*rig.engine.EntryToRemove()); // w2 goes, and stays on show
        QVERIFY(!rig.engine.EntryToRemove());                // so it cannot go twice
        rig.engine.NextEntry(); // the cursor, past the shorter list, starts again at w0
        rig.engine.RemoveEntry(*rig.engine.EntryToRemove());
        QCOMPARE(rig.engine.library().words().toList(), QByteArrayList{"w3#m"});
        rig.engine.NextEntry();
        QVERIFY(!rig.engine.EntryToRemove()); // the last entry stays
    }

    // The book being learnt: read again after it changed, the cursor and the entry on show
    // stay; a line appended while deletions wait joins them, and all are written at the next
    // rewrite; a rewrite that fails keeps them.
    void changedLibraryFileKeepsThePlaceAndTheDeletions() {
        ProgramFolder folder;
        Rig rig(5);
        SetNameField(rig.record.libraryFile, "book.dat");
        rig.record.position = 3;
        rig.Load();
        rig.engine.NextEntry();
        rig.engine.ReloadLibrary(Words(8));
        QCOMPARE(rig.state().currentLine, QByteArray("w3#m"));
        QCOMPARE(rig.settings().position, 4);
        QCOMPARE(rig.engine.entryCount(), 8);

        rig.engine.RemoveEntry(*rig.engine.EntryToRemove());
        QVERIFY(QDir(folder.path()).mkpath("data/book.dat")); // the file cannot be written
        QVERIFY(!rig.engine.RewriteLibrary(folder.path()));
        rig.engine.AppendEntry("new#n");
        rig.engine.AppendEntry("x"); // a short line, which reading the file would drop
        QVERIFY(rig.engine.library().dirty());
        QVERIFY(QDir(folder.filePath("data/book.dat")).removeRecursively());
        QVERIFY(rig.engine.RewriteLibrary(folder.path()));
        QCOMPARE(folder.read("data/book.dat"),
                 QByteArray("w0#m\r\nw1#m\r\nw2#m\r\nw4#m\r\nw5#m\r\nw6#m\r\nw7#m\r\nnew#n\r\n"));
        QVERIFY(!rig.engine.library().dirty());
    }

    // The settings sheet's record replaces the one in use, brought into range, with the voice's
    // state; the list and the entry on show stay.
    void confirmedSettingsReplaceTheRecord() {
        Rig rig(10);
        rig.engine.NextEntry();
        SettingsRecord sheet = rig.settings();
        sheet.groupSize = 0;
        sheet.wordTimeMs = 3000;
        sheet.orderedBrowse = false;
        rig.engine.ApplySettings(sheet, true);
        QCOMPARE(rig.settings().groupSize, 1);
        QCOMPARE(rig.settings().wordTimeMs, 3000);
        QVERIFY(!rig.settings().orderedBrowse);
        QVERIFY(rig.state().speechReady);
        QCOMPARE(rig.state().currentLine, QByteArray("w0#m"));
        QCOMPARE(rig.engine.entryCount(), 10);
    }

    // Every entry shown is to be spoken while speech is on and a voice is ready: its word.
    void shownWordIsToBeSpoken_data() {
        QTest::addColumn<bool>("speechOn");
        QTest::addColumn<bool>("ready");
        QTest::newRow("on and ready") << true << true;
        QTest::newRow("on, no voice") << true << false;
        QTest::newRow("off, a voice") << false << true;
    }

    void shownWordIsToBeSpoken() {
        QFETCH(bool, speechOn);
        QFETCH(bool, ready);
        RecitationEngine engine;
        QSignalSpy spoken(&engine, &RecitationEngine::wordToSpeak);
        SettingsRecord record = DefaultSettings(96, {});
        record.speechOn = speechOn;
        WordList words;
        words.append("apple#苹果#ˈæpl");
        words.append("\xc6\xbb#\xb9\xfb"); // GBK
        engine.AdoptProgress(record, words);
        engine.SetSpeechReady(ready);
        engine.NextEntry();
        engine.ShowFoundEntry(1);
        const QStringList expected{QStringLiteral("apple"), QStringLiteral("苹")};
        QStringList spokenWords;
        for (const QList<QVariant>& arguments : spoken) {
            spokenWords.append(arguments.first().toString());
        }
        QCOMPARE(spokenWords, speechOn && ready ? expected : QStringList{});
    }

    void ticksRevealTheMeaningOnceAndGrowTheBar() {
        Rig rig(10);
        rig.engine.NextEntry();
        QSignalSpy ticked(&rig.engine, &RecitationEngine::ticked);
        for (int i = 0; i < 48; ++i) {
            rig.engine.Tick();
        }
        int revealedAt = 0;
        for (int i = 0; i < ticked.size(); ++i) {
            const auto step = ticked.at(i).first().value<TickStep>();
            QVERIFY(step.drawBar);
            QCOMPARE(step.tick, i + 3);
            if (step.revealMeaning) {
                QCOMPARE(revealedAt, 0);
                revealedAt = i + 1;
            }
        }
        QCOMPARE(revealedAt, 24); // tick 26
        QVERIFY(rig.state().meaningShown);
        QCOMPARE(BarEnd(200, 3), 12);
        QCOMPARE(BarEnd(200, 50), 200);

        rig.record.showProgressBar = false;
        rig.record.fadeInMeaning = false;
        rig.Load();
        rig.engine.NextEntry();
        ticked.clear();
        for (int i = 0; i < 30; ++i) {
            rig.engine.Tick();
        }
        for (const QList<QVariant>& arguments : ticked) {
            const auto step = arguments.first().value<TickStep>();
            QVERIFY(!step.drawBar && !step.revealMeaning);
        }
    }

    void timersFollowSettingsAndPause() {
        Rig rig(10);
        rig.engine.RunTimers(true);
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{5000, 100}));

        rig.engine.TogglePause();
        QVERIFY(rig.state().paused);
        QCOMPARE(rig.engine.runningTimers(), RunningTimers{});
        rig.engine.RunTimers(true); // after a dialog: still paused
        QCOMPARE(rig.engine.runningTimers(), RunningTimers{});

        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        rig.engine.TogglePause();
        QCOMPARE(shown.count(), 1); // resuming shows a new entry at once
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{5000, 100}));

        rig.record.showProgressBar = false;
        rig.record.fadeInMeaning = false;
        rig.record.wordTimeMs = 1;
        rig.Load();
        rig.engine.RunTimers(true);
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{10, 0}));
        rig.record.showProgressBar = true;
        rig.Load();
        rig.engine.RunTimers(true);
        QCOMPARE(rig.engine.runningTimers(), (RunningTimers{10, 10}));
    }

    // A hold stops both timers and starts them again when it ends, however the scope is left;
    // nested holds start them when the outer one ends; nothing starts them while held, and a
    // hold ending while paused leaves them stopped.
    void holdsStopTheTimersForTheirScope() {
        Rig rig(10);
        rig.engine.RunTimers(true);
        const auto leaveEarly = [&](bool early) {
            const TimerHold hold = rig.engine.HoldTimers();
            QVERIFY(!rig.TimersRun());
            if (early) {
                return;
            }
            { const TimerHold inner = rig.engine.HoldTimers(); }
            QVERIFY(!rig.TimersRun());
            rig.engine.RunTimers(true);
            QVERIFY(!rig.TimersRun());
        };
        leaveEarly(true);
        QVERIFY(rig.TimersRun() && rig.engine.runningTimers().tickPeriodMs != 0);
        leaveEarly(false);
        QVERIFY(rig.TimersRun());

        {
            const TimerHold hold = rig.engine.HoldTimers();
            rig.engine.TogglePause();
        }
        QVERIFY(!rig.TimersRun());
        {
            const TimerHold hold = rig.engine.HoldTimers();
            rig.engine.TogglePause(); // resumed under the hold: the timers start when it ends
            QVERIFY(!rig.TimersRun());
        }
        QVERIFY(rig.TimersRun());
    }

    void wordTimerShowsTheNextEntry() {
        Rig rig(10);
        rig.record.wordTimeMs = 20;
        rig.Load();
        QSignalSpy shown(&rig.engine, &RecitationEngine::entryShown);
        rig.engine.RunTimers(true);
        QVERIFY(shown.wait(2000));
        QCOMPARE(rig.state().currentIndex, 0);
    }

    void readAgainDecision() {
        Rig rig(10);
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::Nothing);
        rig.engine.SetSpeechReady(true);
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::Speak);
        rig.record.speechOn = false;
        rig.Load();
        QCOMPARE(rig.engine.ReadAgain(), ReadAgainAction::StartVoiceThenSpeak);
    }
};

QTEST_GUILESS_MAIN(TestRecitationEngine)
#include "tst_recitationengine.moc"
