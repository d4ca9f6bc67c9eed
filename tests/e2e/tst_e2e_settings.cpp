// The settings sheet of the real program in a real X server, used with the keyboard as a user
// would: what it changes shows at once and is what the program saves.

#include "tests/e2e/E2eSupport.h"

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

// Every entry the same, so that every entry lays the window out alike.
const QByteArray kLibrary = "apple#苹果#ˈæpl\r\napple#苹果#ˈæpl\r\napple#苹果#ˈæpl\r\n";

QString Sheet() {
    return Lines(Xdotool({"search", "--onlyvisible", "--name", "^设置$"})).value(0);
}

} // namespace

class TestE2eSettings : public QObject {
    Q_OBJECT

private slots:
    // Ctrl+T; on the display page "一行显示" ticked, on the browse page 3 seconds a word; OK;
    // Alt+X. The window takes one line at once, as large as a program started with these
    // settings shows it, and Lexado.ini holds them.
    void changedSettingsShowAtOnceAndAreSaved() {
        E2eFolders folders;
        QVERIFY(QDir(folders.home()).mkpath(QStringLiteral("data")));
        QVERIFY(ReplaceFileContents(folders.homeFile("table.ini"), "Words#words.dat\r\n"));
        QVERIFY(ReplaceFileContents(folders.homeFile("data/words.dat"), kLibrary));
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "words.dat");
        SetNameField(record.libraryName, "Words");
        record.speechOn = false;
        record.wordTimeMs = 1000000;
        QVERIFY(ReplaceFileContents(folders.homeFile("Lexado.ini"), RecordBytes(record)));

        QRect changed;
        {
            Lexado lexado(folders.home(), folders.runtime());
            QVERIFY(!lexado.WaitForWindow().isEmpty());
            const QRect twoLines = WindowGeometry(lexado.window());
            lexado.Press(QStringLiteral("ctrl+t"));
            QString sheet;
            QVERIFY(PollUntil([&] { return !(sheet = Sheet()).isEmpty(); }));
            // The sheet opens on the display page with the focus on OK: seven tabs reach
            // "一行显示"; Ctrl+Tab opens the browse page at "顺序", five tabs on is the seconds
            // field, its number selected; Return is OK.
            Xdotool(QStringList{"windowfocus", "--sync", sheet, "key"} + QStringList(7, "Tab") +
                    QStringList{"space", "ctrl+Tab"} + QStringList(5, "Tab") +
                    QStringList{"3", "Return"});
            QVERIFY(PollUntil([] { return Sheet().isEmpty(); }));
            QVERIFY(PollUntil([&] {
                changed = WindowGeometry(lexado.window());
                return changed.height() < twoLines.height();
            }));
            QCOMPARE(changed.topLeft(), twoLines.topLeft());
            QCOMPARE(lexado.Exit(), 0);
        }

        const SettingsRecord saved =
            RecordFromBytes(folders.ReadFile("Lexado.ini"), SettingsRecord{});
        SettingsRecord expected = record;
        expected.wordTimeMs = 3000;
        expected.oneLine = true;
        // What the run itself changes: the cursor and the font as the window uses it.
        expected.position = saved.position;
        expected.groupNumber = saved.groupNumber;
        expected.repeatCount = saved.repeatCount;
        expected.wordFont = saved.wordFont;
        QCOMPARE(RecordBytes(saved), RecordBytes(expected));

        Lexado again(folders.home(), folders.runtime());
        QVERIFY(!again.WaitForWindow().isEmpty());
        QCOMPARE(WindowGeometry(again.window()), changed);
        QCOMPARE(again.Exit(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eSettings)
#include "tst_e2e_settings.moc"
