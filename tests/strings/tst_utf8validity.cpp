// The block-wise UTF-8 check against Qt's, byte by byte, on every short sequence that matters.

#include "strings/TextCodec.h"

#include <QtTest>

namespace {

// The bytes with `before` ASCII letters before them and `after` after.
QByteArray Placed(const QByteArray& bytes, qsizetype before, qsizetype after = 0) {
    return QByteArray(before, 'a') + bytes + QByteArray(after, 'z');
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

} // namespace

class TestUtf8Validity : public QObject {
    Q_OBJECT

private slots:
    void agreesWithQt_data() {
        QTest::addColumn<QByteArrayList>("texts");

        // Any two bytes: across a block's end, at the end of a whole block and of a short text.
        QByteArrayList pairs;
        for (int first = 0; first < 256; ++first) {
            for (int second = 0; second < 256; ++second) {
                const QByteArray pair = Bytes({first, second});
                pairs << Placed(pair, 15, 20) << Placed(pair, 14) << pair;
            }
        }
        QTest::newRow("byte pairs") << pairs;

        // Leads of three and four bytes with every second byte near the continuation range, and
        // the bytes after that at the range's edges, wherever they meet a block's end.
        QByteArrayList longer;
        for (int lead = 0xE0; lead <= 0xF4; ++lead) {
            for (int second = 0x7F; second <= 0xC0; ++second) {
                for (const int third : {0x7F, 0x80, 0xBF, 0xC0}) {
                    for (const int fourth : {-1, 0x7F, 0x80, 0xBF, 0xC0}) {
                        QByteArray sequence = Bytes({lead, second, third});
                        sequence += fourth < 0 ? QByteArray() : Bytes({fourth});
                        for (const qsizetype before : {13, 14, 15}) {
                            longer << Placed(sequence, before, 20);
                        }
                        longer << Placed(sequence, 32 - sequence.size());
                    }
                }
            }
        }
        QTest::newRow("three and four bytes") << longer;

        QTest::newRow("edges of the code points") << QByteArrayList{"",
                                                                    Bytes({0xC0, 0x80}),
                                                                    Bytes({0xC1, 0xBF}),
                                                                    Bytes({0xE0, 0x9F, 0xBF}),
                                                                    Bytes({0xF0, 0x8F, 0xBF, 0xBF}),
                                                                    Bytes({0xED, 0xA0, 0x80}),
                                                                    Bytes({0xED, 0xBF, 0xBF}),
                                                                    Bytes({0xF4, 0x8F, 0xBF, 0xBF}),
                                                                    Bytes({0xF4, 0x90, 0x80, 0x80}),
                                                                    Bytes({0xC3, 0xA9, 0xA9}),
                                                                    Bytes({0x80, 0x41})};
        const QByteArray character = "\xE8\xAF\x8D"; // 词
        QTest::newRow("long ASCII runs")
            << QByteArrayList{Placed(character, 1000, 1000), Placed(character.first(2), 1000, 1000),
                              Placed(character.first(2), 1000), Placed(character.first(2), 1006),
                              Placed(character.sliced(1), 1000, 1000)};
    }

    void agreesWithQt() {
        QFETCH(QByteArrayList, texts);
        for (const QByteArray& text : texts) {
            QVERIFY2(IsUtf8(text) == QByteArrayView(text).isValidUtf8(), text.toHex(' '));
        }
    }
};

QTEST_GUILESS_MAIN(TestUtf8Validity)
#include "tst_utf8validity.moc"
