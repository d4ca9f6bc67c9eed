#include "library/LineFields.h"
#include "library/WordList.h"

#include <QtTest>

using Lines = QList<QByteArray>;

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void splitsTextModeLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Lines>("library");
        QTest::addColumn<Lines>("everyLine");

        QTest::newRow("one line, no line end")
            << QByteArray("cat#猫") << Lines{"cat#猫"} << Lines{"cat#猫"};
        QTest::newRow("short lines after the first")
            << QByteArray("a#b\n\nx\ncat#猫\n") << Lines{"a#b", "cat#猫"}
            << Lines{"a#b", "", "x", "cat#猫"};
        QTest::newRow("empty first line")
            << QByteArray("\r\nw#m\r\n") << Lines{"", "w#m"} << Lines{"", "w#m"};
        QTest::newRow("one byte only") << QByteArray("x") << Lines{"x"} << Lines{"x"};
        QTest::newRow("carriage returns")
            << QByteArray("ab\r\ncd\r\r\n\r\nef\r") << Lines{"ab", "cd\r", "ef\r"}
            << Lines{"ab", "cd\r", "", "ef\r"};
        QTest::newRow("two-byte character stays")
            << QByteArray("first\n\xb9\xfe\n") << Lines{"first", "\xb9\xfe"}
            << Lines{"first", "\xb9\xfe"};
        QTest::newRow("only a line end") << QByteArray("\n") << Lines{""} << Lines{""};
    }

    void splitsTextModeLines() {
        QFETCH(QByteArray, text);
        QFETCH(Lines, library);
        QFETCH(Lines, everyLine);
        QCOMPARE(WordList::FromText(text, WordList::ShortLines::DropAfterFirst).toList(), library);
        QCOMPARE(WordList::FromText(text, WordList::ShortLines::Keep).toList(), everyLine);
    }

    void linesOfEveryLengthAcrossBlockBoundaries() {
        // Lines of 0 to 70 bytes, so that line ends fall on every place of a 16-byte block,
        // against a plain byte-by-byte split.
        QByteArray text;
        Lines expected;
        for (int length = 0; length <= 70; ++length) {
            const QByteArray line = QByteArray(length, 'a' + length % 26);
            text += line + (length % 3 == 0 ? "\r\n" : "\n");
            if (expected.isEmpty() || length > 1) {
                expected.append(line);
            }
        }
        text += "tail without line end";
        expected.append("tail without line end");
        QCOMPARE(WordList::FromText(text, WordList::ShortLines::DropAfterFirst).toList(), expected);
    }

    void editsKeepOtherEntriesAndCopiesApart() {
        WordList list = WordList::FromText("one#1\ntwo#2\nthree#3", WordList::ShortLines::Keep);
        const WordList copy = list;
        list.removeAt(1);
        list.append("four#4");
        list.replace(0, list.at(2)); // from its own buffer
        list.swapEntries(1, 2);
        list.append("cr at the end\r");
        QCOMPARE(list.toList(), (Lines{"four#4", "four#4", "three#3", "cr at the end\r"}));
        QCOMPARE(copy.toList(), (Lines{"one#1", "two#2", "three#3"}));
        QCOMPARE(list.toText(), QByteArray("four#4\r\nfour#4\r\nthree#3\r\ncr at the end\r\r\n"));
        list.clear();
        QVERIFY(list.isEmpty());
        QCOMPARE(list.toText(), QByteArray());
    }

    void splitsFields() {
        LineFields f = SplitFields("w#m#p#q");
        QCOMPARE(f.word, "w");
        QCOMPARE(f.meaning, "m");
        QCOMPARE(f.phonetic, "p#q");
        QVERIFY(f.hasPhonetic);

        f = SplitFields("w#m");
        QCOMPARE(f.word, "w");
        QCOMPARE(f.meaning, "m");
        QCOMPARE(f.phonetic, "");
        QVERIFY(!f.hasPhonetic);

        f = SplitFields("no separator");
        QCOMPARE(f.word, "");
        QCOMPARE(f.meaning, "no separator");
        QVERIFY(!f.hasPhonetic);

        f = SplitFields("w#m#");
        QCOMPARE(f.phonetic, "");
        QVERIFY(f.hasPhonetic);
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
