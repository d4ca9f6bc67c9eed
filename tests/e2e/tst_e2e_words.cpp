// The word commands of the real program in a real X server, pressed as a user presses them:
// the new-word book and deleting a word, judged by the files left behind.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QtTest>

#include <memory>

namespace {

const QByteArray kLibrary = "apple#苹果#ˈæpl\r\nbanana#香蕉\r\n\xb9\xfe#gbk\r\ncat#猫\r\n";

} // namespace

class TestE2eWords : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<E2eFolders>();
        QVERIFY(folders_->WriteWordsLibrary(kLibrary));
        QVERIFY(ReplaceFileContents(folders_->homeFile("data/New_Word.dat"), "old#旧\r\n"));
        // The second entry on show, for longer than the test takes; no questions, no voice.
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "words.dat");
        SetNameField(record.libraryName, "Words");
        record.position = 1;
        record.wordTimeMs = 1000000;
        record.confirmActions = false;
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"), RecordBytes(record)));
    }

    // Ctrl+S appends the entry on show to the new-word book at once; Ctrl+Delete takes it out
    // of the library, which Alt+X writes back one line shorter.
    void addAndDeleteTheEntryOnShow() {
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        lexado.Press(QStringLiteral("ctrl+s"));
        QTRY_COMPARE_WITH_TIMEOUT(folders_->ReadFile("data/New_Word.dat"),
                                  QByteArray("old#旧\r\nbanana#香蕉\r\n"), kWaitMs);
        lexado.Press(QStringLiteral("ctrl+Delete"));
        QCOMPARE(folders_->ReadFile("data/words.dat"), kLibrary); // written at exit, not before
        QCOMPARE(lexado.Exit(), 0);
        QCOMPARE(folders_->ReadFile("data/words.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\n\xb9\xfe#gbk\r\ncat#猫\r\n"));
        QCOMPARE(folders_->ReadFile("data/New_Word.dat"), QByteArray("old#旧\r\nbanana#香蕉\r\n"));
    }

private:
    std::unique_ptr<E2eFolders> folders_;
};

QTEST_GUILESS_MAIN(TestE2eWords)
#include "tst_e2e_words.moc"
