#include "library/NewWordBook.h"
#include "library/WordDeletion.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WordLists.h"

#include <QFile>
#include <QtTest>

class TestNewWordBook : public QObject {
    Q_OBJECT

private slots:
    void appendsTheRawLineWithCrLf() {
        ProgramFolder folder;
        QVERIFY(!folder.exists("data/New_Word.dat"));
        QVERIFY(AppendToNewWordBook(folder.path(), "apple#苹果#ˈæpl"));
        QVERIFY(AppendToNewWordBook(folder.path(), "apple#苹果#ˈæpl"));
        QVERIFY(AppendToNewWordBook(folder.path(), "\xb9\xfe#gbk"));
        QCOMPARE(folder.read("data/New_Word.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\napple#苹果#ˈæpl\r\n\xb9\xfe#gbk\r\n"));
    }

    void appendingKeepsWhatIsThere() {
        ProgramFolder folder;
        folder.write("data/New_Word.dat", "old#line"); // no line end: the book is not mended
        QVERIFY(AppendToNewWordBook(folder.path(), "cat#猫"));
        QCOMPARE(folder.read("data/New_Word.dat"), QByteArray("old#linecat#猫\r\n"));
    }

    void emptyingLeavesAnEmptyFile() {
        ProgramFolder folder;
        QVERIFY(EmptyNewWordBook(folder.path())); // created when missing
        QVERIFY(folder.exists("data/New_Word.dat"));
        QCOMPARE(folder.read("data/New_Word.dat"), QByteArray());
        folder.write("data/New_Word.dat", "a#b\r\nc#d\r\n");
        QVERIFY(EmptyNewWordBook(folder.path()));
        QCOMPARE(folder.read("data/New_Word.dat"), QByteArray());
    }

    void failuresAreReported() {
        ProgramFolder folder;
        QVERIFY(QDir(folder.filePath("data")).removeRecursively());
        QVERIFY(!AppendToNewWordBook(folder.path(), "a#b"));
        QVERIFY(!EmptyNewWordBook(folder.path()));
        QVERIFY(!folder.exists("data/New_Word.dat"));
    }

    void deletionRule() {
        const WordList two = ListOf({"a#1", "b#2"});
        QVERIFY(MayDeleteEntry(two, 0, "a#1", std::nullopt));
        QVERIFY(MayDeleteEntry(two, 1, "b#2", QByteArray("a#1")));
        // The line deleted last is refused, also when another entry holds the same line.
        QVERIFY(!MayDeleteEntry(two, 1, "b#2", QByteArray("b#2")));
        // Never the last entry, never outside the list.
        QVERIFY(!MayDeleteEntry(ListOf({"a#1"}), 0, "a#1", std::nullopt));
        QVERIFY(!MayDeleteEntry(two, 2, "b#2", std::nullopt));
        QVERIFY(!MayDeleteEntry(two, -1, "a#1", std::nullopt));
        // Before any deletion even an empty first line may go.
        QVERIFY(MayDeleteEntry(ListOf({"", "b#2"}), 0, "", std::nullopt));
        QVERIFY(!MayDeleteEntry(ListOf({"", "b#2"}), 0, "", QByteArray("")));
    }
};

QTEST_GUILESS_MAIN(TestNewWordBook)
#include "tst_newwordbook.moc"
