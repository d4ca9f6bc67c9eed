#include "library/PlainRecord.h"

#include <QtTest>

// The record read in one pass, written "word|meaning|phonetic" with its end and whether it may
// need rewriting, or "" when it is left to DelimitedRecords.
QByteArray Shown(const std::optional<PlainRecord>& record) {
    if (!record) {
        return {};
    }
    const auto& [word, meaning, phonetic] = record->fields;
    return word.toByteArray() + '|' + meaning.toByteArray() + '|' + phonetic.toByteArray() + " @" +
           QByteArray::number(record->end) + (record->mayRewrite ? " rewrite" : "");
}

class TestPlainRecords : public QObject {
    Q_OBJECT

private slots:
    void readsPlainRecordsOnly_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("shown");

        QTest::newRow("line feed") << QByteArray("a,b,c,d\nx") << QByteArray("a|b|c @8");
        QTest::newRow("carriage return, line feed")
            << QByteArray("a,b\r\n") << QByteArray("a|b| @5");
        QTest::newRow("end of text, quote inside")
            << QByteArray("say \"hi\",说") << QByteArray("say \"hi\"|说| @12");
        QTest::newRow("rewritten bytes") << QByteArray("a#,b") << QByteArray("a#|b| @4 rewrite");
        QTest::newRow("line separator")
            << QByteArray("a,\xE2\x80\xA8") << QByteArray("a|\xE2\x80\xA8| @5 rewrite");
        QTest::newRow("four-byte character")
            << QByteArray("\xF0\x9F\x8D\x8E,apple") << QByteArray("\xF0\x9F\x8D\x8E|apple| @10");
        QTest::newRow("quoted field") << QByteArray("a,\"b\"") << QByteArray();
        QTest::newRow("carriage return alone") << QByteArray("a,b\rc\n") << QByteArray();
        QTest::newRow("carriage return at the end") << QByteArray("a,b\r") << QByteArray();
    }

    void readsPlainRecordsOnly() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, shown);
        QCOMPARE(Shown(PlainRecords(text, ',', {0, 1, 2}).At(0)), shown);
    }
};

QTEST_GUILESS_MAIN(TestPlainRecords)
#include "tst_plainrecords.moc"
