// Decoding and cutting the byte strings that library, catalogue and settings files hold.

#include "strings/TextCodec.h"

#include <QStringEncoder>
#include <QtTest>

class TestTextCodec : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8AndGbLines() {
        const QString text = QString::fromUtf8("apple#苹果#ˈæpl");
        QCOMPARE(DecodeLine(text.toUtf8()), text);
        QStringEncoder gbk("GB18030");
        const QByteArray gbBytes = gbk.encode(QString::fromUtf8("apple#苹果"));
        QCOMPARE(gbBytes, QByteArray("apple#\xc6\xbb\xb9\xfb"));
        QCOMPARE(DecodeLine(gbBytes), QString::fromUtf8("apple#苹果"));
    }

    void cutsAtCharacterBoundaries() {
        // Seven three-byte characters: 21 bytes of UTF-8, cut to six of them.
        const QByteArray utf8 = QString::fromUtf8("托福词汇精选集").toUtf8();
        QCOMPARE(CutToBytes(utf8, 19).toByteArray(), QString::fromUtf8("托福词汇精选").toUtf8());
        QCOMPARE(CutToBytes("short", 19), "short");
        // GBK: "a" then ten two-byte characters; 19 bytes hold "a" and nine of them.
        QStringEncoder gbk("GB18030");
        const QByteArray gbBytes = gbk.encode(QString::fromUtf8("a托福词汇精选集合词库"));
        QCOMPARE(gbBytes.size(), 21);
        QCOMPARE(CutToBytes(gbBytes, 19).toByteArray(), gbBytes.first(19));
        QCOMPARE(CutToBytes(gbBytes.sliced(1), 19).size(), 18);

        // Four GB18030 characters whose first six bytes also read as two UTF-8 characters; the
        // whole line is no UTF-8, so it is read and cut as GB18030, two bytes a character.
        const QByteArray mixed("\xe4\xb8\xad\xe4\xb8\xad\xe4\xb8");
        QCOMPARE(EncodingOf(mixed), LineEncoding::Gb18030);
        QCOMPARE(CutToBytes(mixed, 5).toByteArray(), mixed.first(4));
        QCOMPARE(CutToBytes(mixed, 7).toByteArray(), mixed.first(6));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
