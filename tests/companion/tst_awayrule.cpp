// When the recitation pauses by itself: the cause a desktop state gives under the options, and
// how automatic pauses and the user's own meet in the engine.

#include "companion/AwayRule.h"
#include "recitation/RecitationEngine.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(DesktopState)
Q_DECLARE_METATYPE(CompanionOptions)

using Cause = std::optional<AwayCause>;

namespace {

CompanionOptions Options(int idleSeconds, bool whenLocked, bool whenFullScreen) {
    CompanionOptions options;
    options.idleSeconds = idleSeconds;
    options.pauseWhenLocked = whenLocked;
    options.pauseWhenFullScreen = whenFullScreen;
    return options;
}

} // namespace

class TestAwayRule : public QObject {
    Q_OBJECT

private slots:
    void causeOfADesktopState_data() {
        QTest::addColumn<DesktopState>("desktop");
        QTest::addColumn<CompanionOptions>("options");
        QTest::addColumn<Cause>("cause");
        QTest::addColumn<bool>("hides");
        const CompanionOptions all = Options(120, true, true);
        QTest::newRow("nothing") << DesktopState{} << all << Cause{} << false;
        QTest::newRow("idle, not long")
            << DesktopState{119, false, false} << all << Cause{} << false;
        QTest::newRow("idle") << DesktopState{120, false, false} << all << Cause{AwayCause::Idle}
                              << false;
        QTest::newRow("idle, never")
            << DesktopState{100000, false, false} << Options(0, true, true) << Cause{} << false;
        QTest::newRow("locked and idle")
            << DesktopState{500, true, true} << all << Cause{AwayCause::Locked} << true;
        QTest::newRow("full screen and idle")
            << DesktopState{500, false, true} << all << Cause{AwayCause::FullScreen} << true;
        QTest::newRow("put away and idle")
            << DesktopState{500, false, false, true} << all << Cause{AwayCause::Hidden} << false;
        QTest::newRow("options off")
            << DesktopState{500, true, true} << Options(600, false, false) << Cause{} << false;
    }
    void causeOfADesktopState() {
        QFETCH(DesktopState, desktop);
        QFETCH(CompanionOptions, options);
        QFETCH(Cause, cause);
        QFETCH(bool, hides);
        QCOMPARE(AwayCauseOf(desktop, options), cause);
        QCOMPARE(HidesWindow(desktop, options), hides);
    }

    // A user's pause survives the end of an automatic one; an automatic pause ends with its
    // own cause, or when the user resumes, which sets that cause aside until it ends. Each
    // resumption shows a new entry, and pauseChanged() tells of each change.
    void automaticAndUserPausesMeet() {
        RecitationEngine engine;
        SettingsRecord record = DefaultSettings(96, {});
        WordList words;
        for (const char* line : {"a#1", "b#2", "c#3", "d#4", "e#5"}) {
            words.append(line);
        }
        engine.Start(record, words);
        engine.RunTimers(true);
        QSignalSpy shown(&engine, &RecitationEngine::entryShown);
        QSignalSpy changed(&engine, &RecitationEngine::pauseChanged);
        const auto expect = [&](bool paused, Cause cause, int entries) {
            QCOMPARE(engine.state().paused, paused);
            QCOMPARE(engine.pause().automaticCause(), cause);
            QCOMPARE(engine.runningTimers().wordPeriodMs == 0, paused);
            QCOMPARE(shown.count(), entries);
        };
        engine.SetAwayCause(AwayCause::Idle);
        expect(true, AwayCause::Idle, 0);
        engine.SetAwayCause(AwayCause::Locked); // the lock ends only its own pause
        engine.SetAwayCause(AwayCause::Idle);
        expect(true, AwayCause::Idle, 0);
        engine.SetAwayCause(std::nullopt);
        expect(false, Cause{}, 1);

        engine.TogglePause();
        engine.SetAwayCause(AwayCause::FullScreen);
        expect(true, Cause{}, 1);
        engine.SetAwayCause(std::nullopt); // the user's pause stays
        expect(true, Cause{}, 1);
        engine.Resume();
        expect(false, Cause{}, 2);

        engine.SetAwayCause(AwayCause::FullScreen);
        engine.TogglePause(); // resumed during the presentation: it is set aside
        expect(false, Cause{}, 3);
        engine.SetAwayCause(AwayCause::FullScreen);
        expect(false, Cause{}, 3);
        engine.SetAwayCause(std::nullopt);
        engine.SetAwayCause(AwayCause::Idle);
        expect(true, AwayCause::Idle, 3);
        QCOMPARE(changed.count(), 9);
    }
};

QTEST_GUILESS_MAIN(TestAwayRule)
#include "tst_awayrule.moc"
