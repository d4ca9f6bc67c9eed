// The word memory of the real program in a real X server: recitation by memory with a few new
// words a day, "I know it" sent from another program, kept across a restart and counted by
// --stats, and the statistics window.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The words on show seen by asking the running copy every quarter second for `ms`.
QSet<QByteArray> WordsShown(const QString& runtime, int ms) {
    QSet<QByteArray> words;
    for (QDeadlineTimer deadline(ms); !deadline.hasExpired(); QTest::qWait(250)) {
        const Sent current = RunInTerminal(runtime, {"--current"});
        if (current.exitCode == 0) {
            words.insert(current.out.split('\t').first());
        }
    }
    return words;
}

// The pixels of an area with a colour of their own, as chart bars and rings have.
int ColouredPixels(const QImage& screen, const QRect& area) {
    int coloured = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            coloured += std::max({c.red(), c.green(), c.blue()}) -
                            std::min({c.red(), c.green(), c.blue()}) >
                        60;
        }
    }
    return coloured;
}

} // namespace

class TestE2eMemory : public QObject {
    Q_OBJECT

private slots:
    // Thirty words at a second each, five new words a day: in 12 s at most those five come;
    // a word rated "I know it" stays away for 15 s and after a restart, and --stats counts it
    // as known. The library's file is never written.
    void recitesByWhatTheLearnerRemembers() {
        E2eFolders folders;
        QByteArray library;
        for (int i = 0; i < 30; ++i) {
            library += "word" + QByteArray::number(i) + "#意思\r\n";
        }
        QVERIFY(folders.WriteWordsLibrary(library));
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "words.dat");
        SetNameField(record.libraryName, "Words");
        record.wordTimeMs = 1000;
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders.homeFile("Lexado.ini"), RecordBytes(record)));
        QVERIFY(ReplaceFileContents(folders.homeFile("lexado.conf"),
                                    "[Review]\nenabled=true\nnewPerDay=5\n"));
        const QString runtime = folders.runtime();
        QByteArray known;
        {
            Lexado lexado(folders.home(), runtime);
            QVERIFY(!lexado.WaitForWindow().isEmpty());
            const QSet<QByteArray> first = WordsShown(runtime, 12000);
            QVERIFY2(!first.isEmpty() && first.size() <= 5,
                     qPrintable(QStringList(first.begin(), first.end()).join(u' ')));
            const Sent rated = RunInTerminal(runtime, {"--known"});
            QCOMPARE(rated.exitCode, 0);
            known = rated.out.split('\t').first();
            QVERIFY(first.contains(known));
            QVERIFY(!WordsShown(runtime, 15000).contains(known));
            QCOMPARE(RunInTerminal(runtime, {"--quit"}).exitCode, 0);
            QCOMPARE(lexado.WaitForEnd(), 0);
        }
        {
            Lexado lexado(folders.home(), runtime);
            QVERIFY(!lexado.WaitForWindow().isEmpty());
            const QSet<QByteArray> again = WordsShown(runtime, 6000);
            QVERIFY(!again.isEmpty() && !again.contains(known));
        }
        const Sent stats = RunInTerminal(runtime, {"--home", folders.home(), "--stats"});
        QCOMPARE(stats.exitCode, 0);
        const QList<QByteArray> lines = stats.out.split('\n');
        QVERIFY(lines.at(0).startsWith("library\tentries\tnew\tlearning\tknown\t"));
        QVERIFY2(lines.at(1).startsWith("words.dat\t30\t29\t0\t1\t"), lines.at(1).constData());
        QCOMPARE(folders.ReadFile("data/words.dat"), library);
    }

    // Ctrl+I opens the statistics window over ratings sent from another program; its charts
    // are drawn, Escape closes it and the recitation goes on.
    void statisticsShowTheRatings() {
        E2eFolders folders;
        QVERIFY(folders.WriteWordsLibrary("apple#苹果\r\npear#梨\r\nfig#无花果\r\n"));
        const QString runtime = folders.runtime();
        Lexado lexado(folders.home(), runtime);
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QCOMPARE(RunInTerminal(runtime, {"--again"}).exitCode, 0);
        QCOMPARE(RunInTerminal(runtime, {"--known"}).exitCode, 0);
        lexado.Press(QStringLiteral("ctrl+i"));
        const QString window =
            Lines(Xdotool({"search", "--sync", "--onlyvisible", "--name", "^学习统计$"})).value(0);
        QVERIFY(!window.isEmpty());
        const QRect area = WindowGeometry(window);
        QVERIFY(PollUntil(
            [&] { return ColouredPixels(Screenshot(runtime + "/screen.png"), area) > 2000; }));
        Xdotool({"windowfocus", "--sync", window, "key", "Escape"});
        QVERIFY(PollUntil([&] {
            return Lines(Xdotool({"search", "--onlyvisible", "--name", "^学习统计$"})).isEmpty();
        }));
        QCOMPARE(RunInTerminal(runtime, {"--current"}).exitCode, 0);
        QCOMPARE(lexado.Exit(), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eMemory)
#include "tst_e2e_memory.moc"
