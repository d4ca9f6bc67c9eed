// Choosing a library in the real program in a real X server, with the keyboard as a user
// does: Ctrl+W, the next name of the list, Enter; judged by the window and by the settings
// file Alt+X leaves behind.

#include "library/TextFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/e2e/E2eSupport.h"

#include <QDir>
#include <QHash>
#include <QtTest>

#include <memory>

namespace {

// The window hugs its text: a library of short entries gives a narrow window, one of long
// entries a wide one.
const QByteArray kShort = "ox#牛\r\nant#蚁\r\n";
const QByteArray kLong = "incomprehensibilities#难以理解的事物\r\n"
                         "counterrevolutionaries#反革命分子\r\n";

int WindowWidth(const QString& window) {
    QHash<QString, int> values;
    for (const QString& line : Lines(Xdotool({"getwindowgeometry", "--shell", window}))) {
        values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
    }
    return values.value(QStringLiteral("WIDTH"));
}

} // namespace

class TestE2eLibraries : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folders_ = std::make_unique<E2eFolders>();
        QVERIFY(QDir(folders_->home()).mkpath(QStringLiteral("data")));
        QVERIFY(ReplaceFileContents(folders_->homeFile("table.ini"),
                                    "Short#short.dat\r\nLong#long.dat\r\n"));
        QVERIFY(ReplaceFileContents(folders_->homeFile("data/short.dat"), kShort));
        QVERIFY(ReplaceFileContents(folders_->homeFile("data/long.dat"), kLong));
        // The first entry on show for longer than the test takes; no voice.
        SettingsRecord record = DefaultSettings(96, QRect(100, 100, 200, 60));
        SetNameField(record.libraryFile, "short.dat");
        SetNameField(record.libraryName, "Short");
        record.wordTimeMs = 1000000;
        record.speechOn = false;
        QVERIFY(ReplaceFileContents(folders_->homeFile("Lexado.ini"), RecordBytes(record)));
    }

    void chooseTheNextLibraryWithTheKeyboard() {
        Lexado lexado(folders_->home(), folders_->runtime());
        QVERIFY(!lexado.WaitForWindow().isEmpty());
        const int narrow = WindowWidth(lexado.window());
        QVERIFY(narrow > 0);

        QVERIFY(lexado.ChooseNextLibrary());
        // The long library's first entry is on show.
        QTRY_VERIFY_WITH_TIMEOUT(WindowWidth(lexado.window()) > 2 * narrow, kWaitMs);

        QCOMPARE(lexado.Exit(), 0);
        const SettingsRecord saved =
            RecordFromBytes(folders_->ReadFile("Lexado.ini"), SettingsRecord{});
        QCOMPARE(NameField(saved.libraryFile), "long.dat");
        QCOMPARE(NameField(saved.libraryName), "Long");
        QCOMPARE(saved.groupNumber, 1);
        QCOMPARE(saved.position, 1);
    }

private:
    std::unique_ptr<E2eFolders> folders_;
};

QTEST_GUILESS_MAIN(TestE2eLibraries)
#include "tst_e2e_libraries.moc"
