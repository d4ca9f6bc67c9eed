// The word memory of the real program in a real X server: recitation by memory with a few new
// words a day, "I know it" sent from another program, kept across a restart and counted by
// --stats.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestE2eMemory)
#include "tst_e2e_memory.moc"
