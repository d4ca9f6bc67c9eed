// Confirming the settings sheet: what is stored in the record, when the cursor restarts and when
// speech restarts.

#include "settings/ApplySettings.h"
#include "settings/FieldNumber.h"

#include <QtTest>

#include <optional>

namespace {

// The record of the cases below: 100 entries browsed in groups of 10, three passes each, and a
// cursor in the middle of group 3.
SettingsRecord Record() {
    SettingsRecord record = DefaultSettings(96, {});
    record.groupNumber = 3;
    record.groupSize = 10;
    record.groupRepeats = 3;
    record.position = 7;
    record.repeatCount = 2;
    return record;
}

const QList<Guid> kVoices{{1, 0, 0, {}}, {2, 0, 0, {}}, {3, 0, 0, {}}};

} // namespace

class TestApplySettings : public QObject {
    Q_OBJECT

private slots:
    void browsing_data() {
        QTest::addColumn<int>("wordTimeMs");  // in the record
        QTest::addColumn<int>("entryCount");  // in the list
        QTest::addColumn<int>("recordGroup"); // the record's group number
        QTest::addColumn<int>("seconds");     // the page's values
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("storedMs"); // the record afterwards
        QTest::addColumn<int>("storedGroup");
        QTest::addColumn<int>("storedSize");
        QTest::addColumn<int>("storedRepeats");
        QTest::addColumn<bool>("cursorReset");

        // clang-format off
        QTest::newRow("nothing changed")      << 5000 << 100 << 3 << 5 << true << true << 3 << 10 << 3 << 5000 << 3 << 10 << 3 << false;
        QTest::newRow("0 seconds is 1 ms")    << 5000 << 100 << 3 << 0 << true << true << 3 << 10 << 3 << 1 << 3 << 10 << 3 << false;
        QTest::newRow("1 ms shown as 0 kept") << 1 << 100 << 3 << 0 << true << true << 3 << 10 << 3 << 1 << 3 << 10 << 3 << false;
        QTest::newRow("2500 ms left at 2 s")  << 2500 << 100 << 3 << 2 << true << true << 3 << 10 << 3 << 2000 << 3 << 10 << 3 << false;
        QTest::newRow("most seconds")         << 5000 << 100 << 3 << kMaxSeconds << true << true << 3 << 10 << 3 << kMaxSeconds * 1000 << 3 << 10 << 3 << false;
        QTest::newRow("only repeats")         << 5000 << 100 << 3 << 5 << true << true << 3 << 10 << 5 << 5000 << 3 << 10 << 5 << false;
        QTest::newRow("0 repeats is 1")       << 5000 << 100 << 3 << 5 << true << true << 3 << 10 << 0 << 5000 << 3 << 10 << 1 << false;
        QTest::newRow("at random")            << 5000 << 100 << 3 << 5 << false << true << 3 << 10 << 3 << 5000 << 3 << 10 << 3 << true;
        QTest::newRow("grouping off")         << 5000 << 100 << 3 << 5 << true << false << 3 << 10 << 3 << 5000 << 3 << 10 << 3 << true;
        QTest::newRow("group size")           << 5000 << 100 << 3 << 5 << true << true << 3 << 20 << 3 << 5000 << 3 << 20 << 3 << true;
        QTest::newRow("0 group size is 1")    << 5000 << 100 << 3 << 5 << true << true << 3 << 0 << 3 << 5000 << 3 << 1 << 3 << true;
        QTest::newRow("size beyond entries")  << 5000 << 100 << 3 << 5 << true << true << 3 << 150 << 3 << 5000 << 1 << 100 << 3 << true;
        QTest::newRow("group 9 of 100")       << 5000 << 100 << 3 << 5 << true << true << 9 << 10 << 3 << 5000 << 9 << 10 << 3 << true;
        QTest::newRow("group 10 of 100")      << 5000 << 100 << 3 << 5 << true << true << 10 << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        QTest::newRow("group 11 of 100")      << 5000 << 100 << 3 << 5 << true << true << 11 << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        QTest::newRow("group 10 of 105")      << 5000 << 105 << 3 << 5 << true << true << 10 << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        QTest::newRow("group 12 of 105")      << 5000 << 105 << 3 << 5 << true << true << 12 << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        QTest::newRow("group 0 is 1")         << 5000 << 100 << 3 << 5 << true << true << 0 << 10 << 3 << 5000 << 1 << 10 << 3 << true;
        QTest::newRow("largest group number") << 5000 << 100 << 3 << 5 << true << true << kMaxCount << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        // A change of mode checks the group number even though it was not touched.
        QTest::newRow("stale group, new mode") << 5000 << 100 << 12 << 5 << false << true << 12 << 10 << 3 << 5000 << 10 << 10 << 3 << true;
        // The list lost entries after the group size was set: group 1, never group 0.
        QTest::newRow("group larger than list") << 5000 << 5 << 1 << 5 << true << true << 2 << 10 << 3 << 5000 << 1 << 10 << 3 << true;
        // clang-format on
    }

    void browsing() {
        QFETCH(int, wordTimeMs);
        QFETCH(int, entryCount);
        QFETCH(int, recordGroup);
        SettingsRecord record = Record();
        record.wordTimeMs = wordTimeMs;
        record.groupNumber = recordGroup;
        SheetValues values = CopyIn(record);
        QCOMPARE(values.browse.seconds, wordTimeMs / 1000);
        QFETCH(int, seconds);
        QFETCH(bool, ordered);
        QFETCH(bool, grouping);
        QFETCH(int, group);
        QFETCH(int, size);
        QFETCH(int, repeats);
        values.browse = {ordered, grouping, group, size, repeats, seconds};

        const SettingsApplied applied = ApplySettings(record, values, entryCount, {});
        QTEST(applied.record.wordTimeMs, "storedMs");
        QTEST(applied.record.groupNumber, "storedGroup");
        QTEST(applied.record.groupSize, "storedSize");
        QTEST(applied.record.groupRepeats, "storedRepeats");
        QCOMPARE(applied.record.orderedBrowse, ordered ? 1 : 0);
        QCOMPARE(applied.record.grouping, grouping ? 1 : 0);
        QFETCH(bool, cursorReset);
        QCOMPARE(applied.record.position, cursorReset ? 0 : 7);
        QCOMPARE(applied.record.repeatCount, cursorReset ? 0 : 2);
    }

    // Confirming an untouched sheet stores every byte as it was, the voice's index too where the
    // list shows that voice at another place.
    void nothingChangedKeepsEveryByte() {
        const SettingsRecord record = Record();
        SheetValues values = CopyIn(record);
        values.other.speechEngineIndex = 2;
        const SettingsApplied applied = ApplySettings(record, values, 100, {kVoices, 2});
        QCOMPARE(RecordBytes(applied.record), RecordBytes(record));
        QVERIFY(!applied.restartSpeech);
    }

    // The bar and the delayed meaning are stored as chosen, for the engine to tick by.
    void barAndDelayedMeaning_data() {
        QTest::addColumn<bool>("bar");
        QTest::addColumn<bool>("fadeIn");
        QTest::newRow("bar") << true << false;
        QTest::newRow("delayed meaning") << false << true;
        QTest::newRow("neither") << false << false;
    }

    void barAndDelayedMeaning() {
        QFETCH(bool, bar);
        QFETCH(bool, fadeIn);
        const SettingsRecord record = Record();
        SheetValues values = CopyIn(record);
        values.display.showProgressBar = bar;
        values.display.fadeInMeaning = fadeIn;
        const SettingsRecord stored = ApplySettings(record, values, 100, {}).record;
        QCOMPARE(stored.showProgressBar, bar ? 1 : 0);
        QCOMPARE(stored.fadeInMeaning, fadeIn ? 1 : 0);
    }

    // A new voice starts only when speech is on and was turned on or given another voice.
    void speechRestart_data() {
        QTest::addColumn<bool>("wasOn");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("index"); // the record's index is 1, its voice the default one
        QTest::addColumn<bool>("restart");
        QTest::addColumn<int>("storedIndex");
        QTest::addColumn<int>("storedVoice"); // in kVoices, -1 for the default voice

        QTest::newRow("left on, same voice") << true << true << 1 << false << 1 << -1;
        QTest::newRow("turned off") << true << false << 1 << false << 1 << -1;
        QTest::newRow("turned on") << false << true << 1 << true << 1 << -1;
        QTest::newRow("other voice, on") << true << true << 2 << true << 2 << 2;
        QTest::newRow("other voice, off") << false << false << 0 << false << 0 << 0;
        QTest::newRow("off, other voice") << true << false << 2 << false << 2 << 2;
        QTest::newRow("no such voice") << true << true << 3 << false << 1 << -1;
        QTest::newRow("no voice picked") << true << true << -1 << false << 1 << -1;
    }

    void speechRestart() {
        QFETCH(bool, wasOn);
        QFETCH(bool, on);
        QFETCH(int, index);
        SettingsRecord record = Record();
        record.speechOn = wasOn ? 1 : 0;
        record.speechEngineIndex = 1;
        SheetValues values = CopyIn(record);
        values.other.speechOn = on;
        values.other.speechEngineIndex = index;
        const SettingsApplied applied = ApplySettings(record, values, 100, {kVoices, 1});
        QTEST(applied.restartSpeech, "restart");
        QCOMPARE(applied.record.speechOn, on ? 1 : 0);
        QTEST(applied.record.speechEngineIndex, "storedIndex");
        QFETCH(int, storedVoice);
        QCOMPARE(applied.record.speechModeId,
                 storedVoice < 0 ? kDefaultSpeechModeId : kVoices[storedVoice]);
    }

    void fieldNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<std::optional<std::int32_t>>("number");
        using Number = std::optional<std::int32_t>;
        QTest::newRow("digits") << "12" << kMaxCount << Number(12);
        QTest::newRow("blanks around") << " 7 " << kMaxCount << Number(7);
        QTest::newRow("plus sign") << "+3" << kMaxCount << Number(3);
        QTest::newRow("zero") << "0" << kMaxCount << Number(0);
        QTest::newRow("most seconds") << "2147483" << kMaxSeconds << Number(kMaxSeconds);
        QTest::newRow("most count") << "2147483647" << kMaxCount << Number(kMaxCount);
        QTest::newRow("negative") << "-1" << kMaxCount << Number();
        QTest::newRow("letters") << "abc" << kMaxCount << Number();
        QTest::newRow("empty") << "" << kMaxCount << Number();
        QTest::newRow("fraction") << "1.5" << kMaxCount << Number();
        QTest::newRow("two numbers") << "1 2" << kMaxCount << Number();
        QTest::newRow("too many seconds") << "2147484" << kMaxSeconds << Number();
        QTest::newRow("beyond 32 bits") << "2147483648" << kMaxCount << Number();
    }

    void fieldNumbers() {
        QFETCH(QString, text);
        QFETCH(int, maximum);
        QTEST(FieldNumber(text, maximum), "number");
    }
};

QTEST_GUILESS_MAIN(TestApplySettings)
#include "tst_applysettings.moc"
