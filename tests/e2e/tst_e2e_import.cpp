// A word list that the desktop ships, imported on the command line into a fresh program folder,
// then chosen in the real program in a real X server and its first word put in the new-word
// book: the word, its meaning and the phonetic filled in on import reach the user.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QtTest>

namespace {

const QString kKvtml = QStringLiteral("/usr/share/apps/kvtml/en/clothing.kvtml");

} // namespace

class TestE2eImport : public QObject {
    Q_OBJECT

private slots:
    void importedLibraryShowsItsWords() {
        const E2eFolders folders;
        QProcess import;
        import.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        import.start(QStringLiteral(LEXADO_BINARY), {"--home", folders.home(), "--import", kKvtml});
        QVERIFY(import.waitForFinished(kWaitMs));
        QCOMPARE(import.exitCode(), 0);
        QVERIFY(import.readAllStandardOutput().contains("Clothing.dat"));
        QCOMPARE(folders.ReadFile("table.ini"),
                 QByteArray("TOEFL#TOEFL.dat\r\nClothing#Clothing.dat\r\n"));
        const QByteArray library = folders.ReadFile("data/Clothing.dat");
        const QByteArray firstEntry = library.left(library.indexOf("\r\n"));
        QCOMPARE(firstEntry, QByteArray("sneakers#Athletic shoes#ˈsniːkəz"));

        // The sample library on show, no questions, no voice.
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "TOEFL.dat");
        SetNameField(record.libraryName, "TOEFL");
        record.wordTimeMs = 1000000;
        record.confirmActions = false;
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders.homeFile("Lexado.ini"), RecordBytes(record)));

        Lexado lexado(folders.home(), folders.runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        QVERIFY(lexado.ChooseNextLibrary());
        lexado.Press(QStringLiteral("ctrl+s"));
        QTRY_COMPARE_WITH_TIMEOUT(folders.ReadFile("data/New_Word.dat"), firstEntry + "\r\n",
                                  kWaitMs);

        QCOMPARE(lexado.Exit(), 0);
        const SettingsRecord saved =
            RecordFromBytes(folders.ReadFile("Lexado.ini"), SettingsRecord{});
        QCOMPARE(NameField(saved.libraryFile), "Clothing.dat");
        QCOMPARE(NameField(saved.libraryName), "Clothing");
    }
};

QTEST_GUILESS_MAIN(TestE2eImport)
#include "tst_e2e_import.moc"
