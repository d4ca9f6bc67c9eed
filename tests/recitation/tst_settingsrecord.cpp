#include "recitation/SettingsFile.h"
#include "recitation/SettingsRecord.h"
#include "tests/support/ProgramFolder.h"

#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <limits>

namespace {

constexpr QRect kRect(100, 200, 200, 50); // stored as 100, 200, 300, 250

qint32 Int32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

quint32 UInt32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

class TestSettingsRecord : public QObject {
    Q_OBJECT

private slots:
    void defaultsAreStoredAtTheirOffsets() {
        const QByteArray bytes = RecordBytes(DefaultSettings(96, kRect));
        QCOMPARE(bytes.size(), 212);
        QCOMPARE(bytes.first(20), QByteArray("TOEFL.dat").leftJustified(20, '\0'));
        QCOMPARE(bytes.sliced(20, 20), QByteArray("TOEFL").leftJustified(20, '\0'));
        QCOMPARE(UInt32At(bytes, 40), 0x00FFFFFFu);
        QCOMPARE(UInt32At(bytes, 44), 0x00FF8000u);
        QCOMPARE(UInt32At(bytes, 48), 0x000000FFu);
        const QList<qint32> switches{1, 1, 1, 1, 1, 0, 1, 1, 1}; // speechOn .. alwaysOnTop
        for (int i = 0; i < switches.size(); ++i) {
            QCOMPARE(Int32At(bytes, 52 + 4 * i), switches[i]);
        }
        const QList<qint32> numbers{5000, 0, 1, 50, 3, 0, 1, 0, 100, 200, 300, 250};
        for (int i = 0; i < numbers.size(); ++i) {
            QCOMPARE(Int32At(bytes, 88 + 4 * i), numbers[i]);
        }
        // The word font: -21 pixels at 96 dpi, weight 400, then the eight flag bytes and "Arial".
        QCOMPARE(Int32At(bytes, 136), -21);
        QCOMPARE(Int32At(bytes, 140), 0);
        QCOMPARE(Int32At(bytes, 152), 400);
        QCOMPARE(bytes.sliced(156, 8), QByteArray("\x00\x00\x00\x01\x03\x02\x01\x22", 8));
        QCOMPARE(bytes.sliced(164, 32), QByteArray("Arial").leftJustified(32, '\0'));
        QCOMPARE(
            bytes.sliced(196, 16),
            QByteArray("\x70\x51\x7c\xc7\x67\x28\xd0\x11\x84\x7b\x44\x45\x53\x54\x00\x00", 16));
    }

    void defaultFontHeightFollowsTheScreen() {
        QCOMPARE(DefaultWordFont(96).lfHeight, -21);
        QCOMPARE(DefaultWordFont(120).lfHeight, -27);
        QCOMPARE(DefaultWordFont(144).lfHeight, -32);
        QCOMPARE(DefaultWordFont(192).lfHeight, -43);
        QCOMPARE(MulDiv(16, -96, 72), -21);
        QCOMPARE(MulDiv(3, 1, 2), 2); // halves round away from zero
        QCOMPARE(MulDiv(-3, 1, 2), -2);
        QCOMPARE(MulDiv(1, 1, 0), -1);
    }

    void missingFileMeansDefaults() {
        ProgramFolder folder;
        QVERIFY(!LoadSettings(folder.path(), DefaultSettings(96, kRect)));
        QVERIFY(!folder.exists("Lexado.ini")); // nothing is written on loading
    }

    void savedRecordIsReadBackUnchanged() {
        ProgramFolder folder;
        SettingsRecord record = DefaultSettings(96, kRect);
        SetNameField(record.libraryFile, "GRE.dat");
        SetNameField(record.libraryName, "GRE 词汇");
        record.position = 17;
        record.groupNumber = 4;
        record.repeatCount = 2;
        record.orderedBrowse = false;
        record.backColor = 0x00123456;
        QVERIFY(SaveSettings(folder.path(), record));
        const QByteArray bytes = folder.read("Lexado.ini");
        QCOMPARE(bytes, RecordBytes(record));

        const std::optional<SettingsRecord> loaded =
            LoadSettings(folder.path(), DefaultSettings(120, {}));
        QVERIFY(loaded);
        QCOMPARE(RecordBytes(*loaded), bytes);
    }

    void shortFileTakesDefaultsForTheRest() {
        ProgramFolder folder;
        SettingsRecord stored = DefaultSettings(96, kRect);
        SetNameField(stored.libraryFile, "GRE.dat");
        stored.textColor = 0x00010203;
        folder.write("Lexado.ini", RecordBytes(stored).first(44)); // names and text colour only
        const SettingsRecord defaults = DefaultSettings(120, QRect(1, 2, 3, 4));
        const SettingsRecord loaded = *LoadSettings(folder.path(), defaults);
        QCOMPARE(NameField(loaded.libraryFile), "GRE.dat");
        QCOMPARE(loaded.textColor, 0x00010203u);
        QCOMPARE(RecordBytes(loaded).sliced(44), RecordBytes(defaults).sliced(44));
    }

    void longerFileIsReadForItsFirstBytes() {
        ProgramFolder folder;
        const SettingsRecord record = DefaultSettings(96, kRect);
        folder.write("Lexado.ini", RecordBytes(record) + QByteArray(50, 'x'));
        QCOMPARE(RecordBytes(*LoadSettings(folder.path(), {})), RecordBytes(record));
    }

    void badValuesAreBroughtIntoRange() {
        SettingsRecord record = DefaultSettings(96, kRect);
        QByteArray bytes = RecordBytes(record);
        bytes.replace(0, 20, QByteArray(20, 'a')); // no NUL in libraryFile
        bytes.replace(20, 20,
                      QString::fromUtf8("一二三四五六七").toUtf8().first(20)); // 20 of 21 bytes
        bytes.replace(164, 32, QByteArray(32, 'F')); // no NUL in the face name
        qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), bytes.data() + 136);
        for (int offset : {88, 96, 100, 104}) { // time, group, size, passes
            qToLittleEndian<qint32>(offset == 100 ? -5 : 0, bytes.data() + offset);
        }
        qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), bytes.data() + 108);
        // The window's edges: left and top near the 32-bit limits, right before left.
        const QList<qint32> edges{std::numeric_limits<qint32>::max() - 10,
                                  std::numeric_limits<qint32>::min(), 7, 3};
        for (int i = 0; i < edges.size(); ++i) {
            qToLittleEndian<qint32>(edges[i], bytes.data() + 120 + 4 * i);
        }
        const SettingsRecord loaded = RecordFromBytes(bytes, record);
        QCOMPARE(NameField(loaded.libraryFile), QByteArray(19, 'a'));
        QCOMPARE(NameField(loaded.libraryName).toByteArray(),
                 QString::fromUtf8("一二三四五六").toUtf8());
        QCOMPARE(loaded.libraryName[19], '\0');
        QCOMPARE(NameField(loaded.wordFont.lfFaceName), QByteArray(31, 'F'));
        QCOMPARE(loaded.wordTimeMs, 1);
        QCOMPARE(loaded.groupNumber, 1);
        QCOMPARE(loaded.groupSize, 1);
        QCOMPARE(loaded.groupRepeats, 1);
        QCOMPARE(loaded.repeatCount, 0); // fewer than the passes per group
        QCOMPARE(loaded.wordFont.lfHeight, -32767);
        QCOMPARE(loaded.windowRect, (WindowRect{1 << 20, -(1 << 20), 1 << 20, -(1 << 20) + 65536}));

        // A record in range stays as it is.
        SettingsRecord fine = DefaultSettings(96, QRect(-1500, 30, 400, 80));
        fine.groupRepeats = 4;
        fine.repeatCount = 3;
        QCOMPARE(RecordBytes(RecordFromBytes(RecordBytes(fine), {})), RecordBytes(fine));
    }

    // The word font is kept within a quarter of the work area's height, whichever its sign.
    void wordFontFitsTheScreen_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fitted");
        QTest::newRow("fits") << -21 << -21;
        QTest::newRow("cell height fits") << 30 << 30;
        QTest::newRow("too high") << -32767 << -200;
        QTest::newRow("cell too high") << 5000 << 200;
        QTest::newRow("default height") << 0 << 0;
    }

    void wordFontFitsTheScreen() {
        QFETCH(int, height);
        QFETCH(int, fitted);
        LogFontA font = DefaultWordFont(96);
        font.lfHeight = height;
        FitWordFontToScreen(font, 800);
        QCOMPARE(font.lfHeight, fitted);
    }

    // The fields read through their types: switches, the double-click action, colours, the
    // window rectangle.
    void fieldsAreReadThroughTheirTypes() {
        SettingsRecord record = DefaultSettings(96, kRect);
        QByteArray bytes = RecordBytes(record);
        qToLittleEndian<qint32>(7, bytes.data() + 64); // grouping: any value but 0 is on
        record = RecordFromBytes(bytes, {});
        QVERIFY(record.grouping);
        record.grouping = false;
        QCOMPARE(Int32At(RecordBytes(record), 64), 0);
        record.grouping = true;
        QCOMPARE(Int32At(RecordBytes(record), 64), 1);

        const QList<DoubleClickAction> actions{
            DoubleClickAction::DeleteWord,  DoubleClickAction::AddToNewWordBook,
            DoubleClickAction::TogglePause, DoubleClickAction::ReadAgain,
            DoubleClickAction::Nothing,     DoubleClickAction::Nothing};
        const QList<qint32> stored{0, 1, 2, 3, 4, -1};
        for (int i = 0; i < stored.size(); ++i) {
            record.doubleClickAction = stored[i];
            QCOMPARE(DoubleClickActionOf(record), actions[i]);
        }

        QCOMPARE(RgbFromColorRef(0x00FF8000), 0xFF0080FFu); // red 0, green 128, blue 255
        QCOMPARE(RgbFromColorRef(0x000000FF), 0xFFFF0000u);
        QCOMPARE(ColorRefFromRgb(0xFF0080FF), 0x00FF8000u);
        QCOMPARE(ColorRefFromRgb(0x80123456), 0x00563412u); // alpha is not stored

        QCOMPARE(record.windowRect, (WindowRect{100, 200, 300, 250}));
        QCOMPARE(QRectOf(record.windowRect), kRect);
        QCOMPARE(WindowRectOf(kRect), record.windowRect);
    }

    void saveFailureIsReported() {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("Lexado.ini"); // a folder where the file should be
        QVERIFY(!SaveSettings(folder.path(), DefaultSettings(96, kRect)));
        QVERIFY(!SaveSettings(folder.filePath("no such folder"), DefaultSettings(96, kRect)));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
