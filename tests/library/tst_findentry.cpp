#include "library/FindEntry.h"

#include "tests/support/WordLists.h"

#include <QtTest>

class TestFindEntry : public QObject {
    Q_OBJECT

private slots:
    void findsTheFirstEntryBeginningWithTheText_data() {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("found");
        const QByteArrayList two{"apple#苹果", "application#应用"};
        QTest::newRow("app") << two << QStringLiteral("app") << qsizetype{0};
        QTest::newRow("appl") << two << QStringLiteral("appl") << qsizetype{0};
        QTest::newRow("appli") << two << QStringLiteral("appli") << qsizetype{1};
        QTest::newRow("case matters")
            << QByteArrayList{"apple#苹果"} << QStringLiteral("Apple") << qsizetype{-1};
        QTest::newRow("only from the start") << two << QStringLiteral("ple") << qsizetype{-1};
        QTest::newRow("empty text") << two << QStringLiteral("") << qsizetype{0};
        QTest::newRow("into the meaning")
            << two << QStringLiteral("application#应") << qsizetype{1};
        QTest::newRow("leading white space") << QByteArrayList{"pear#梨", "  \tapple#苹果"}
                                             << QStringLiteral("apple") << qsizetype{1};
        QTest::newRow("typed spaces are kept")
            << QByteArrayList{"pear#梨", "apple#苹果"} << QStringLiteral(" apple") << qsizetype{-1};
        QTest::newRow("longer than the line")
            << two << QStringLiteral("applications") << qsizetype{-1};
        QTest::newRow("gbk line") << QByteArrayList{"pear#梨", "\xc6\xbb\xb9\xfb#apple"}
                                  << QStringLiteral("苹果") << qsizetype{1};
        QTest::newRow("empty list") << QByteArrayList{} << QStringLiteral("") << qsizetype{-1};
    }

    void findsTheFirstEntryBeginningWithTheText() {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, text);
        QFETCH(qsizetype, found);
        QCOMPARE(FindEntry(ListOf(lines), text), found);
    }
};

QTEST_GUILESS_MAIN(TestFindEntry)
#include "tst_findentry.moc"
