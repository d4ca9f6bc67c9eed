#include "recitation/LibraryPreload.h"

#include "recitation/SettingsFile.h"
#include "tests/support/ProgramFolder.h"

#include <QtTest>

class TestLibraryPreload : public QObject {
    Q_OBJECT

private slots:
    // The window takes the library read ahead only when it is the file the window reads and
    // its lines were read; otherwise the file as it is when the window reads it: a library
    // another than the guessed one, a library the first start's folder receives after the
    // read, one the settings name but that is missing.
    void windowReadsTheLibraryItPresents_data() {
        QTest::addColumn<QByteArray>("named");     // by Lexado.ini; none: no Lexado.ini
        QTest::addColumn<QByteArray>("taken");     // the file the window reads
        QTest::addColumn<QByteArray>("laterLine"); // written to it after the read ahead began
        QTest::newRow("named") << QByteArray("A.dat") << QByteArray("A.dat") << QByteArray();
        QTest::newRow("another") << QByteArray("A.dat") << QByteArray("B.dat") << QByteArray();
        QTest::newRow("first start")
            << QByteArray() << QByteArray("TOEFL.dat") << QByteArray("abandon#x");
        QTest::newRow("missing") << QByteArray("Gone.dat") << QByteArray("Gone.dat")
                                 << QByteArray();
    }
    void windowReadsTheLibraryItPresents() {
        QFETCH(QByteArray, named);
        QFETCH(QByteArray, taken);
        QFETCH(QByteArray, laterLine);
        ProgramFolder folder;
        folder.write("data/A.dat", "alpha#a\r\n");
        folder.write("data/B.dat", "beta#b\r\n");
        if (!named.isEmpty()) {
            SettingsRecord record = DefaultSettings(kRecordDpi, {});
            SetNameField(record.libraryFile, named);
            QVERIFY(SaveSettings(folder.path(), record));
        }
        LibraryPreload preload = LibraryPreload::Start(folder.path());
        if (!laterLine.isEmpty()) { // before or after the read ahead looked: either way
            folder.write("data/" + QString::fromLatin1(taken), laterLine + "\r\n");
        }
        const LibraryContents contents = preload.Take(folder.path(), taken);
        const LibraryContents direct = ReadWordLibrary(folder.path(), taken);
        QCOMPARE(contents.status, direct.status);
        QCOMPARE(contents.entries.toText(), direct.entries.toText());
    }
};

QTEST_GUILESS_MAIN(TestLibraryPreload)
#include "tst_librarypreload.moc"
