#include "library/Catalogue.h"
#include "library/CatalogueLock.h"
#include "tests/support/ProgramFolder.h"

#include <QtTest>

using Lines = QList<QByteArray>;

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void everyLineIsAnEntry() {
        ProgramFolder folder;
        folder.write("table.ini", "TOEFL#TOEFL.dat\r\n\r\nx\r\nGRE#GRE.dat");
        const LibraryCatalogue catalogue = ReadCatalogue(folder.path());
        QCOMPARE(catalogue.toList(), (Lines{"TOEFL#TOEFL.dat", "", "x", "GRE#GRE.dat"}));
    }

    void missingOrEmptyFileGivesAnEmptyCatalogue() {
        ProgramFolder folder;
        QVERIFY(ReadCatalogue(folder.path()).isEmpty());
        folder.write("table.ini", "");
        QVERIFY(ReadCatalogue(folder.path()).isEmpty());
    }

    void writesEachEntryWithCrLf() {
        ProgramFolder folder;
        folder.write("table.ini", "old#old.dat\n");
        LibraryCatalogue catalogue;
        catalogue.append("TOEFL#TOEFL.dat");
        catalogue.append("");
        catalogue.append("生词#New_Word.dat");
        QVERIFY(WriteCatalogue(folder.path(), catalogue));
        QCOMPARE(folder.read("table.ini"),
                 QByteArray("TOEFL#TOEFL.dat\r\n\r\n生词#New_Word.dat\r\n"));
        QCOMPARE(ReadCatalogue(folder.path()).toList(), catalogue.toList());
    }

    void writeFailsWhenTheFolderIsMissing() {
        ProgramFolder folder;
        LibraryCatalogue catalogue;
        catalogue.append("a#a.dat");
        QVERIFY(!WriteCatalogue(folder.filePath("no such folder"), catalogue));
    }

    // A second holder waits for the first, and gives up when it keeps the lock.
    void lockIsHeldByOneAtATime() {
        ProgramFolder folder;
        std::optional<CatalogueLock> first(std::in_place, folder.path());
        QCOMPARE(first->state(), CatalogueLockState::Held);
        QCOMPARE(CatalogueLock(folder.path(), std::chrono::milliseconds(50)).state(),
                 CatalogueLockState::Busy);
        first.reset();
        QCOMPARE(CatalogueLock(folder.path()).state(), CatalogueLockState::Held);
        QCOMPARE(CatalogueLock(folder.filePath("none")).state(), CatalogueLockState::Unavailable);
    }

    void splitsNameAndFile() {
        CatalogueEntry entry = SplitCatalogueEntry("My words#my.dat  ");
        QCOMPARE(entry.name, "My words");
        QCOMPARE(entry.file, "my.dat  ");
        entry = SplitCatalogueEntry("a#b#c");
        QCOMPARE(entry.name, "a");
        QCOMPARE(entry.file, "b#c");
        entry = SplitCatalogueEntry("plain.dat");
        QCOMPARE(entry.name, "");
        QCOMPARE(entry.file, "plain.dat");
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
