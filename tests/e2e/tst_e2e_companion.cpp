// The companion of the real program in a real X server: the commands other programs send to
// the running copy, the pause while the user is away or a program is full-screen, the global
// shortcuts and the tray icon, with a real window manager and a real tray where they need one.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Eight entries shown in order, 300 ms each: two looks at --current a second or two apart see
// the same entry only while the entries stand still.
const QByteArray kLibrary = "apple#苹果#ˈæpl\r\nbanana#香蕉\r\ncat#猫\r\ndog#狗\r\n"
                            "egg#蛋\r\nfig#无花果\r\ngrape#葡萄\r\nham#火腿\r\n";
const QList<QByteArray> kCurrentLines{"apple\tˈæpl\t苹果\n", "banana\t\t香蕉\n", "cat\t\t猫\n",
                                      "dog\t\t狗\n",         "egg\t\t蛋\n",      "fig\t\t无花果\n",
                                      "grape\t\t葡萄\n",     "ham\t\t火腿\n"};

// A program of the desktop beside Lexado, ended with the test.
class DesktopProgram {
public:
    DesktopProgram(const QString& program, const QStringList& arguments) {
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start(program, arguments);
        process_.waitForStarted(kWaitMs);
    }
    ~DesktopProgram() {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// The first visible window of that name.
QString WindowNamed(const QString& name) {
    return Lines(Xdotool({"search", "--sync", "--onlyvisible", "--name", name})).value(0);
}

// Whether no pixel of the area has a colour of its own (the tray's ground may be tinted a little).
bool IsGrey(const QImage& screen, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = screen.pixelColor(x, y);
            if (std::max({colour.red(), colour.green(), colour.blue()}) -
                    std::min({colour.red(), colour.green(), colour.blue()}) >
                32) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TestE2eCompanion : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<E2eFolders>();
        QVERIFY(folders_->WriteWordsLibrary(kLibrary));
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "words.dat");
        SetNameField(record.libraryName, "Words");
        record.wordTimeMs = 300;
        record.orderedBrowse = true;
        record.grouping = false;
        record.confirmActions = false;
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"), RecordBytes(record)));
    }

    // Without a copy a command ends at once with 1; with one, --current follows the entries,
    // stands still while paused and moves again after --resume; --hide and --show put the
    // window away and back; --quit ends the copy as Alt+X does, the settings written.
    void commandsReachTheRunningCopy() {
        QElapsedTimer clock;
        clock.start();
        const Sent alone = Send({"--current"});
        QCOMPARE(alone.exitCode, 1);
        QCOMPARE(alone.errors, QByteArray("Lexado is not running\n"));
        QVERIFY(clock.elapsed() < 3000);

        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(PollUntil([&] { return kCurrentLines.contains(Send({"--current"}).out); }));
        QVERIFY(PollUntil([&] { return Send({"--pause"}).exitCode == 0; }));
        QVERIFY(EntriesStandStill());
        QCOMPARE(Send({"--resume"}).exitCode, 0);
        QVERIFY(EntriesMove());

        QCOMPARE(Send({"--pause", "--next"}).exitCode, 2);

        QCOMPARE(Send({"--hide"}).exitCode, 0);
        QVERIFY(PollUntil([&] { return lexado.VisibleWindows().isEmpty(); }));
        QCOMPARE(Send({"--show"}).exitCode, 0);
        QVERIFY(!lexado.WaitForWindow().isEmpty());

        QCOMPARE(Send({"--pause"}).exitCode, 0);
        const qsizetype shown = kCurrentLines.indexOf(Send({"--current"}).out);
        QCOMPARE(Send({"--quit"}).exitCode, 0);
        QCOMPARE(lexado.WaitForEnd(), 0);
        const QByteArray written = folders_->ReadFile("Lexado.ini");
        QCOMPARE(written.size(), qsizetype(kSettingsRecordSize));
        // In order, the cursor is the index of the next entry to show.
        QCOMPARE(RecordFromBytes(written, {}).position, (shown + 1) % kCurrentLines.size());
    }

    // With idleSeconds=3, five seconds without input stop the entries; moving the mouse brings
    // them back.
    void pausesWhileTheUserIsAway() {
        QVERIFY(ReplaceFileContents(folders_->homeFile("lexado.conf"), "[Pause]\nidleSeconds=3\n"));
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        MovePointerTo(kParking - QPoint(10, 0));
        QVERIFY(EntriesMove());
        QTest::qWait(5000);
        QVERIFY(EntriesStandStill());
        MovePointerTo(kParking);
        QVERIFY(EntriesMove());
    }

    // Under a window manager, a program made full-screen on the window's screen hides the
    // window and stops the entries until it leaves full screen. A global shortcut pauses while
    // that program has the focus.
    void stepsAsideForAFullScreenProgram() {
        DesktopProgram windowManager(QStringLiteral("openbox"), {});
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        DesktopProgram other(QStringLiteral("xev"), {"-geometry", "300x200+600+400"});
        const QString otherWindow = WindowNamed(QStringLiteral("^Event Tester$"));
        QVERIFY(!otherWindow.isEmpty());
        Xdotool({"windowactivate", "--sync", otherWindow});
        Xdotool({"key", "ctrl+alt+p"});
        QVERIFY(EntriesStandStill());
        Xdotool({"key", "ctrl+alt+p"});
        QVERIFY(EntriesMove());

        RunTool(QStringLiteral("wmctrl"), {"-i", "-r", otherWindow, "-b", "add,fullscreen"});
        QVERIFY(PollUntil([&] { return lexado.VisibleWindows().isEmpty(); }));
        QVERIFY(EntriesStandStill());
        RunTool(QStringLiteral("wmctrl"), {"-i", "-r", otherWindow, "-b", "remove,fullscreen"});
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(EntriesMove());
    }

    // In a tray the icon shows, greyed while paused; its menu's first row pauses.
    void trayIconPauses() {
        DesktopProgram tray(QStringLiteral("trayer"),
                            {"--edge", "top", "--align", "right", "--widthtype", "request"});
        QVERIFY(PollUntil([] { return !Xdotool({"search", "--class", "trayer"}).isEmpty(); }));
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QString icon;
        QVERIFY(PollUntil([&] {
            icon = lexado.OtherWindows().value(0);
            return !icon.isEmpty();
        }));
        const QRect area = WindowGeometry(icon);
        QVERIFY(!IsGrey(Screenshot(folders_->homeFile("colour.png")), area));
        Xdotool({"mousemove", "--sync", QString::number(area.center().x()),
                 QString::number(area.center().y()), "click", "3"});
        QVERIFY(PollUntil([&] { return lexado.OtherWindows().size() == 2; })); // its menu
        Xdotool({"key", "--delay", "100", "Down", "Return"});
        MovePointerTo(kParking); // the icon's tip would cover it
        QVERIFY(EntriesStandStill());
        QVERIFY(
            PollUntil([&] { return IsGrey(Screenshot(folders_->homeFile("grey.png")), area); }));
    }

private:
    // Whether --current shows another entry within a few word times.
    bool EntriesMove() const {
        const QByteArray first = Send({"--current"}).out;
        return PollUntil([&] { return Send({"--current"}).out != first; });
    }

    // Whether --current shows the same entry for a second, three word times.
    bool EntriesStandStill() const {
        return PollUntil([&] {
            const QByteArray first = Send({"--current"}).out;
            QTest::qWait(1000);
            return !first.isEmpty() && Send({"--current"}).out == first;
        });
    }

    Sent Send(const QStringList& arguments) const {
        return RunInTerminal(folders_->runtime(), arguments);
    }

    std::unique_ptr<E2eFolders> folders_;
};

QTEST_GUILESS_MAIN(TestE2eCompanion)
#include "tst_e2e_companion.moc"
