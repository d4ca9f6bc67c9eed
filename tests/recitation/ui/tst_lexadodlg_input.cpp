// The main window driven as a user drives it, under the offscreen platform: pause and resume,
// the timers' start, stepping with Enter and Space, the tooltip, dragging with snapping, the
// exit command and the always-on-top switch.

#include "tests/recitation/ui/WindowRig.h"

#include "controls/AnswersInAdvance.h"
#include "recitation/TooltipText.h"
#include "strings/StringTable.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QToolTip>

namespace {

// Moves the pointer, with the left button held, so that it is at `global` on the screen.
void DragPointerTo(QWidget& window, const QPoint& global) {
    QTest::mouseMove(&window, window.mapFromGlobal(global));
}

bool ActivateWindow(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestLexadoDlgInput : public QObject {
    Q_OBJECT

private slots:
    void init() {
        AnswersInAdvance::Enable(true);
        AnswersInAdvance::Clear();
    }

    // Ctrl+P stops both timers and keeps the entry; pressed again it shows the next entry at
    // once and starts both timers afresh.
    void pauseAndResume() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QVERIFY(ActivateWindow(w));
        QCOMPARE(w.state().currentLine, QByteArray("w0#意思0"));
        QVERIFY(TimersRun(w));

        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(w.state().paused);
        QCOMPARE(w.engine().runningTimers(), RunningTimers{});
        QCOMPARE(w.state().currentIndex, 0);

        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!w.state().paused);
        QCOMPARE(w.state().currentIndex, 1);
        QCOMPARE(w.displayLine().word, QStringLiteral("w1"));
        QCOMPARE(w.state().tick, 2);
        QCOMPARE(w.engine().runningTimers(), (RunningTimers{1000000, 20000}));
    }

    // The timers start when the window is first shown, with their whole periods; showing it
    // again does not start them while paused.
    void timersStartWhenShown() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        CLexadoDlg& w = rig.open();
        QCOMPARE(w.engine().runningTimers(), RunningTimers{});
        w.show();
        QCOMPARE(w.engine().runningTimers(), (RunningTimers{1000000, 20000}));
        w.RunCommand(CommandId::Pause);
        w.hide();
        w.show();
        QCOMPARE(w.engine().runningTimers(), RunningTimers{});
    }

    // Enter does nothing while browsing runs (nor does it close the window); while paused,
    // Enter and Space step to the next entry and show its meaning at once. Each key's stroke
    // ends with the next key pressed or, for the last, a moment after its release.
    void enterAndSpaceStepWhilePaused() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Space);
        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(w.state().paused);
        QCOMPARE(w.state().currentIndex, 0);
        QCOMPARE(w.state().currentLine, QByteArray("w0#意思0"));
        QVERIFY(w.isVisible());

        QTest::keyClick(&w, Qt::Key_Return);
        QTRY_COMPARE(w.state().currentIndex, 1);
        QVERIFY(w.state().meaningShown);
        QVERIFY(w.settings().fadeInMeaning);
        const QRect meaning = MeaningRect(w) & QRect(0, 0, w.width(), w.entryLayout().blockHeight);
        const QColor text = Colour(w.settings().textColor);
        QVERIFY(CountPixels(w.grab().toImage(), meaning, text) > 20);

        QTest::keyClick(&w, Qt::Key_Space);
        QTRY_COMPARE(w.state().currentIndex, 2);
        QCOMPARE(w.displayLine().meaning, QStringLiteral("意思2"));
        QVERIFY(w.state().meaningShown);
        QVERIFY(CountPixels(w.grab().toImage(), meaning, text) > 20);
        QVERIFY(w.engine().runningTimers().wordPeriodMs == 0);
    }

    void tooltipNamesLibraryAndPlace() {
        // Grouped, in order: group 2 of 10 entries each, its 5th entry on show.
        SettingsRecord grouped = QuietSettings();
        grouped.groupSize = 10;
        grouped.groupNumber = 2;
        grouped.position = 4;
        WindowRig inGroups(grouped, Entries("w", 30));
        QVERIFY(inGroups.show());
        CLexadoDlg& g = *inGroups.window;
        QCOMPARE(g.state().currentIndex, 14);
        QTest::mouseMove(&g, QPoint(5, 5));
        QCOMPARE(g.toolTip(), TooltipText(g.settings(), 30));
        QCOMPARE(g.settings().position, 5);
        inGroups.window.reset(); // the pointer's moves go to the window under it

        // Not grouped, in order: the last entry of 100 on show, the position back to 0.
        SettingsRecord plain = QuietSettings();
        plain.grouping = false;
        plain.position = 99;
        WindowRig wholeList(plain, Entries("w", 100));
        QVERIFY(wholeList.show());
        CLexadoDlg& p = *wholeList.window;
        QCOMPARE(p.state().currentIndex, 99);
        QCOMPARE(p.settings().position, 0);
        QTest::mouseMove(&p, QPoint(6, 7)); // moving to where the pointer is sends nothing
        QCOMPARE(p.toolTip(), TooltipText(p.settings(), 100));
    }

    // The tip shows also while another window has the focus, as it does while this one has.
    void tooltipShowsWithoutTheFocus() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QWidget other;
        other.setGeometry(500, 500, 100, 100);
        other.show();
        QVERIFY(ActivateWindow(other));
        QVERIFY(!w.isActiveWindow());
        QTest::mouseMove(&w, QPoint(5, 5));
        QTest::mouseMove(&w, QPoint(6, 6));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), TooltipText(w.settings(), 5));
        QToolTip::hideText();
    }

    // The window follows the pointer and snaps to the work area's edges while it moves; the
    // release stores where it ended, and later entries are shown there.
    void dragSnapsToTheWorkArea() {
        SettingsRecord s = QuietSettings();
        s.windowRect = {300, 200, 400, 260};
        WindowRig rig(s, Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        const QRect work = w.screen()->availableGeometry();
        const QPoint grip(10, 10); // where the pointer holds the window

        QTest::mousePress(&w, Qt::LeftButton, {}, grip);
        DragPointerTo(w, QPoint(work.left() + 5, 250) + grip);
        QCOMPARE(w.pos(), QPoint(work.left(), 250));
        DragPointerTo(w, QPoint(work.left() + 20, 250) + grip);
        QCOMPARE(w.pos(), QPoint(work.left() + 20, 250));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, grip);
        QCOMPARE(w.settings().windowRect,
                 WindowRectOf(QRect(work.left() + 20, 250, w.width(), w.height())));

        w.RunCommand(CommandId::Pause);
        w.RunCommand(CommandId::Pause); // resumes with a new entry, laid out where it was left
        QCOMPARE(w.state().currentIndex, 1);
        QCOMPARE(w.pos(), QPoint(work.left() + 20, 250));

        // Past the bottom-right corner: flush in the corner.
        QTest::mousePress(&w, Qt::LeftButton, {}, grip);
        DragPointerTo(w, work.bottomRight() + QPoint(30, 40) + grip);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, grip);
        const QPoint corner(work.right() + 1 - w.width(), work.bottom() + 1 - w.height());
        QCOMPARE(w.pos(), corner);
        QCOMPARE(w.settings().windowRect, WindowRectOf(QRect(corner, w.size())));
    }

    // Exit writes the record as it is and ends with 0; closing any other way writes nothing.
    void exitWritesTheSettings() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QSignalSpy finished(&w, &CLexadoDlg::finished);
        w.RunCommand(CommandId::Pause);
        w.RunCommand(CommandId::Pause);
        w.RunCommand(CommandId::Exit);
        const QByteArray written = rig.folder.read(QStringLiteral("Lexado.ini"));
        QCOMPARE(written.size(), 212);
        QCOMPARE(written, RecordBytes(w.settings()));
        QCOMPARE(w.settings().position, 2); // the cursor moved on by two entries
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 0);
        QVERIFY(!w.isVisible());
        QVERIFY(AnswersInAdvance::Messages().isEmpty());

        WindowRig closing(QuietSettings(), Entries("w", 5));
        QVERIFY(closing.show());
        QSignalSpy closed(closing.window.get(), &CLexadoDlg::finished);
        closing.window->RunCommand(CommandId::NextGroup);
        closing.window->close();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.first().first().toInt(), 0);
        QCOMPARE(closing.folder.read(QStringLiteral("Lexado.ini")), RecordBytes(QuietSettings()));

        WindowRig firstStart;
        QVERIFY(firstStart.show());
        firstStart.window->close();
        QVERIFY(!firstStart.folder.exists(QStringLiteral("Lexado.ini")));
    }

    void unwritableSettingsFileEndsWithOne() {
        WindowRig rig;
        QVERIFY(QDir(rig.folder.path()).mkdir(QStringLiteral("Lexado.ini")));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QSignalSpy finished(&w, &CLexadoDlg::finished);
        w.RunCommand(CommandId::Exit);
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{StringText(StringId::WriteFileError)});
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(QFileInfo(rig.folder.filePath(QStringLiteral("Lexado.ini"))).isDir());
    }

    void alwaysOnTopTogglesBack() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QVERIFY(w.settings().alwaysOnTop);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        w.RunCommand(CommandId::AlwaysOnTop);
        QVERIFY(!w.settings().alwaysOnTop);
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());

        w.RunCommand(CommandId::AlwaysOnTop);
        QVERIFY(w.settings().alwaysOnTop);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        QCOMPARE(w.pos(), QPoint(100, 100));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    // Double-click action 2 pauses on the first double-click and resumes, with a new entry at
    // once, on the second.
    void doubleClickPausesAndResumes() {
        SettingsRecord s = QuietSettings();
        s.doubleClickAction = 2;
        WindowRig rig(s, Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(3, 4));
        QVERIFY(w.state().paused);
        QVERIFY(w.engine().runningTimers().wordPeriodMs == 0);
        QCOMPARE(w.state().currentIndex, 0);
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(3, 4));
        QVERIFY(!w.state().paused);
        QVERIFY(w.engine().runningTimers().wordPeriodMs != 0);
        QCOMPARE(w.state().currentIndex, 1);
    }
};

QTEST_MAIN(TestLexadoDlgInput)
#include "tst_lexadodlg_input.moc"
