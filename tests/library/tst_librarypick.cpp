#include "library/LibraryPick.h"
#include "tests/support/ProgramFolder.h"

#include <QtTest>

using Lines = QList<QByteArray>;

class TestLibraryPick : public QObject {
    Q_OBJECT

private slots:
    void readsTheFileNamedWithoutTrailingWhiteSpace() {
        ProgramFolder folder;
        folder.write("data/GRE.dat", "a#b\r\n\r\nx\r\ncat#猫");
        const PickedLibrary picked = PickLibrary(folder.path(), "GRE 词汇#GRE.dat \t ");
        QCOMPARE(picked.status, PickStatus::Read);
        QCOMPARE(picked.fileName, QByteArray("GRE.dat"));
        QCOMPARE(picked.displayName, QByteArray("GRE 词汇"));
        QCOMPARE(picked.entries.toList(), (Lines{"a#b", "cat#猫"}));
    }

    void emptyFileGivesItsPseudoEntry() {
        ProgramFolder folder;
        folder.write("data/empty.dat", "");
        const PickedLibrary picked = PickLibrary(folder.path(), "E#empty.dat");
        QCOMPARE(picked.status, PickStatus::Empty);
        QCOMPARE(picked.entries.toList(), (Lines{"Error#词库为空"}));
    }

    void fileThatCannotBeOpenedGivesNoEntries() {
        ProgramFolder folder;
        folder.write("table.ini", "T#table.ini\r\n");
        for (const QByteArray entry : {"M#missing.dat", "T#../table.ini", "D#", "nothing"}) {
            const PickedLibrary picked = PickLibrary(folder.path(), entry);
            QCOMPARE(picked.status, PickStatus::Missing);
            QVERIFY(picked.entries.isEmpty());
        }
        QCOMPARE(PickLibrary(folder.path(), "M#missing.dat").fileName, QByteArray("missing.dat"));
    }

    // The settings record could only keep such a name cut short, which would name another
    // file at the next start.
    void fileNameLongerThanTheRecordHoldsIsRefused() {
        ProgramFolder folder;
        const QByteArray longName = QByteArray(16, 'f') + ".dat";
        folder.write("data/" + longName, "a#b\r\n");
        PickedLibrary picked = PickLibrary(folder.path(), "L#" + longName);
        QCOMPARE(picked.status, PickStatus::FileNameTooLong);
        QVERIFY(picked.entries.isEmpty());
        folder.write("data/" + longName.sliced(1), "a#b\r\n");
        picked = PickLibrary(folder.path(), "L#" + longName.sliced(1) + "   ");
        QCOMPARE(picked.status, PickStatus::Read);
        QCOMPARE(picked.entries.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLibraryPick)
#include "tst_librarypick.moc"
