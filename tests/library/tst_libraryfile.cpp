#include "library/Catalogue.h"
#include "library/CurrentLibrary.h"
#include "library/LibraryFile.h"
#include "tests/support/Fifo.h"
#include "tests/support/ProgramFolder.h"

#include <QtTest>

using Lines = QList<QByteArray>;

class TestLibraryFile : public QObject {
    Q_OBJECT

private slots:
    void readsLibraryLines() {
        ProgramFolder folder;
        folder.write("data/words.dat", "a#b\r\n\r\nx\r\ncat#猫\r\n");
        const LibraryContents contents = ReadWordLibrary(folder.path(), "words.dat");
        QCOMPARE(contents.status, LibraryStatus::Read);
        QCOMPARE(contents.entries.toList(), (Lines{"a#b", "cat#猫"}));
    }

    void emptyAndMissingFilesGiveOnePseudoEntry() {
        ProgramFolder folder;
        folder.write("data/empty.dat", "");
        LibraryContents contents = ReadWordLibrary(folder.path(), "empty.dat");
        QCOMPARE(contents.status, LibraryStatus::Empty);
        QCOMPARE(contents.entries.toList(), Lines{QByteArray("Error#词库为空")});

        contents = ReadWordLibrary(folder.path(), "absent.dat");
        QCOMPARE(contents.status, LibraryStatus::Missing);
        QCOMPARE(contents.entries.toList(), Lines{QByteArray("Error#无该词库文件")});
    }

    void namesLeavingDataAreMissingFiles_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("parent") << QByteArray("../table.ini");
        QTest::newRow("dot dot") << QByteArray("..");
        QTest::newRow("absolute") << QByteArray("/etc/passwd");
        QTest::newRow("sub folder") << QByteArray("sub/words.dat");
        QTest::newRow("backslash") << QByteArray("..\\table.ini");
        QTest::newRow("empty") << QByteArray();
    }

    void namesLeavingDataAreMissingFiles() {
        QFETCH(QByteArray, name);
        ProgramFolder folder;
        folder.write("table.ini", "secret#line\r\n");
        QDir(folder.path()).mkpath("data/sub");
        folder.write("data/sub/words.dat", "inner#x\r\n");
        QCOMPARE(ReadWordLibrary(folder.path(), name).status, LibraryStatus::Missing);

        WordList list;
        list.append("overwritten#!");
        QVERIFY(!WriteWordLibrary(folder.path(), name, list));
        QCOMPARE(folder.read("table.ini"), QByteArray("secret#line\r\n"));
        QCOMPARE(folder.read("data/sub/words.dat"), QByteArray("inner#x\r\n"));
    }

    // A FIFO, a device or a folder named as a library or as table.ini is a file that cannot be
    // opened, and is never waited on; a link to a library kept elsewhere is followed.
    void onlyRegularFilesAreRead() {
        ProgramFolder folder;
        QTemporaryDir elsewhere;
        QFile kept(elsewhere.filePath("kept.dat"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept#留\r\n") > 0);
        kept.close();
        QVERIFY(QFile::link(kept.fileName(), folder.filePath("data/link.dat")));
        QVERIFY(QFile::link("/dev/null", folder.filePath("data/device.dat")));
        QVERIFY(QDir(folder.path()).mkpath("data/folder.dat"));
        const Fifo fifo(folder.filePath("data/fifo.dat"));
        const Fifo linkedFifo(folder.filePath("fifo"));
        QVERIFY(fifo.made() && linkedFifo.made());
        QVERIFY(QFile::link(folder.filePath("fifo"), folder.filePath("data/fifolink.dat")));

        const LibraryContents linked = ReadWordLibrary(folder.path(), "link.dat");
        QCOMPARE(linked.status, LibraryStatus::Read);
        QCOMPARE(linked.entries.toList(), Lines{QByteArray("kept#留")});
        for (const char* name : {"fifo.dat", "fifolink.dat", "device.dat", "folder.dat"}) {
            QCOMPARE(ReadWordLibrary(folder.path(), name).status, LibraryStatus::Missing);
        }

        const Fifo catalogue(folder.filePath("table.ini"));
        QVERIFY(catalogue.made());
        QVERIFY(ReadCatalogue(folder.path()).isEmpty());
    }

    void rewriteKeepsEveryLineAndEndsEachWithCrLf() {
        ProgramFolder folder;
        folder.write("data/words.dat", "\nw#m#p#q\nx\n\xb9\xfe#gbk\nlast#no line end");
        const LibraryContents contents = ReadWordLibrary(folder.path(), "words.dat");
        QVERIFY(WriteWordLibrary(folder.path(), "words.dat", contents.entries));
        QCOMPARE(folder.read("data/words.dat"),
                 QByteArray("\r\nw#m#p#q\r\n\xb9\xfe#gbk\r\nlast#no line end\r\n"));
    }

    void rewriteFailsWhenTheFileCannotBeWritten() {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("data/words.dat"); // a folder stands where the file would go
        WordList list;
        list.append("a#b");
        QVERIFY(!WriteWordLibrary(folder.path(), "words.dat", list));
    }

    void currentLibraryRewritesOnlyAfterDeletions() {
        ProgramFolder folder;
        const QByteArray original = "one#1\ntwo#2\nthree#3";
        folder.write("data/a.dat", original);
        CurrentLibrary library;
        library.Adopt(ReadWordLibrary(folder.path(), "a.dat").entries);
        QVERIFY(library.RewriteIfDirty(folder.path(), "a.dat"));
        QCOMPARE(folder.read("data/a.dat"), original); // nothing deleted, nothing written

        library.RemoveEntry(1);
        QVERIFY(library.dirty());
        QVERIFY(library.RewriteIfDirty(folder.path(), "a.dat"));
        QCOMPARE(folder.read("data/a.dat"), QByteArray("one#1\r\nthree#3\r\n"));
        QVERIFY(!library.dirty());
    }

    void pseudoEntryIsNeverWritten() {
        ProgramFolder folder;
        folder.write("data/a.dat", "one#1\ntwo#2\n");
        CurrentLibrary library;
        library.Adopt(ReadWordLibrary(folder.path(), "a.dat").entries);
        library.RemoveEntry(0);
        // A progress file names a library that is missing: the list becomes a pseudo-entry.
        library.Adopt(ReadWordLibrary(folder.path(), "gone.dat").entries);
        QVERIFY(!library.dirty());
        QVERIFY(library.RewriteIfDirty(folder.path(), "gone.dat"));
        QVERIFY(!folder.exists("data/gone.dat"));

        WordList chosen;
        chosen.append("Error#词库为空");
        library.Adopt(chosen);
        QVERIFY(!library.dirty());
    }

    void failedRewriteKeepsTheMark() {
        ProgramFolder folder;
        folder.write("data/a.dat", "one#1\ntwo#2\n");
        CurrentLibrary library;
        library.Adopt(ReadWordLibrary(folder.path(), "a.dat").entries);
        library.RemoveEntry(0);
        QFile::remove(folder.filePath("data/a.dat"));
        QDir(folder.path()).mkpath("data/a.dat");
        QVERIFY(!library.RewriteIfDirty(folder.path(), "a.dat"));
        QVERIFY(library.dirty());
        QCOMPARE(library.words().toList(), Lines{QByteArray("two#2")});
    }
};

QTEST_GUILESS_MAIN(TestLibraryFile)
#include "tst_libraryfile.moc"
