#include "recitation/ProgressFile.h"
#include "recitation/SettingsFile.h"
#include "tests/support/Fifo.h"
#include "tests/support/ProgramFolder.h"

#include <QtEndian>
#include <QtTest>

namespace {

SettingsRecord PlaceReached() {
    SettingsRecord record = DefaultSettings(96, QRect(10, 20, 200, 60));
    SetNameField(record.libraryFile, "GRE.dat");
    SetNameField(record.libraryName, "GRE 词汇");
    record.position = 17;
    record.groupNumber = 4;
    record.repeatCount = 2;
    record.speechOn = false;
    return record;
}

} // namespace

class TestProgressFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheRecordAndReadsItBack() {
        ProgramFolder folder;
        const QString path = folder.filePath("place.sav");
        const SettingsRecord record = PlaceReached();
        QVERIFY(WriteProgressFile(path, record));
        const QByteArray bytes = folder.read("place.sav");
        QCOMPARE(bytes, RecordBytes(record));
        QCOMPARE(bytes.first(20), QByteArray("GRE.dat").leftJustified(20, '\0'));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 92), 17);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 96), 4);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 108), 2);

        const LoadedProgress loaded = ReadProgressFile(path);
        QCOMPARE(loaded.status, ProgressStatus::Read);
        QCOMPARE(RecordBytes(loaded.record), bytes);

        // Saved again over the same name, and over a longer file: one record, nothing more.
        QVERIFY(WriteProgressFile(path, record));
        QCOMPARE(folder.read("place.sav"), bytes);
        folder.write("long.sav", QByteArray(500, 'x'));
        QVERIFY(WriteProgressFile(folder.filePath("long.sav"), record));
        QCOMPARE(folder.read("long.sav"), bytes);
    }

    void onlyOneRecordIsAProgressFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("short") << 100;
        QTest::newRow("one byte short") << 211;
        QTest::newRow("one byte long") << 213;
        QTest::newRow("long") << 300;
    }

    void onlyOneRecordIsAProgressFile() {
        QFETCH(int, size);
        ProgramFolder folder;
        folder.write("odd.sav", RecordBytes(PlaceReached()).leftJustified(size, '\0', true));
        QCOMPARE(ReadProgressFile(folder.filePath("odd.sav")).status,
                 ProgressStatus::NotProgressFile);
    }

    void missingFileCannotBeOpened() {
        ProgramFolder folder;
        QCOMPARE(ReadProgressFile(folder.filePath("absent.sav")).status,
                 ProgressStatus::CannotOpen);
        QVERIFY(!WriteProgressFile(folder.filePath("no/such/folder/x.sav"), PlaceReached()));
    }

    // A FIFO named as a progress file or as Lexado.ini is never waited on.
    void fifoCannotBeOpened() {
        ProgramFolder folder;
        const Fifo progress(folder.filePath("fifo.sav"));
        const Fifo settings(SettingsFilePath(folder.path()));
        QVERIFY(progress.made() && settings.made());
        QCOMPARE(ReadProgressFile(folder.filePath("fifo.sav")).status, ProgressStatus::CannotOpen);
        QVERIFY(!LoadSettings(folder.path(), SettingsRecord{}));
    }

    void recordIsBroughtIntoRange() {
        ProgramFolder folder;
        QByteArray bytes = RecordBytes(PlaceReached());
        bytes.replace(0, 20, QByteArray(20, 'a'));               // libraryFile without its NUL
        bytes.replace(100, 4, QByteArray(4, '\0'));              // groupSize 0
        bytes.replace(88, 4, QByteArray("\xff\xff\xff\xff", 4)); // wordTimeMs -1
        folder.write("bad.sav", bytes);
        const LoadedProgress loaded = ReadProgressFile(folder.filePath("bad.sav"));
        QCOMPARE(loaded.status, ProgressStatus::Read);
        QCOMPARE(NameField(loaded.record.libraryFile), QByteArray(19, 'a'));
        QCOMPARE(loaded.record.groupSize, 1);
        QCOMPARE(loaded.record.wordTimeMs, 1);
        QCOMPARE(loaded.record.groupNumber, 4);
    }
};

QTEST_GUILESS_MAIN(TestProgressFile)
#include "tst_progressfile.moc"
