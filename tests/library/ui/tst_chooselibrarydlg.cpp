// The choose-library dialog under the offscreen platform, reading real library files from a
// program folder of its own. Message boxes are answered in advance.

#include "controls/AnswersInAdvance.h"
#include "library/Catalogue.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "strings/StringTable.h"
#include "tests/support/ProgramFolder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QtTest>

namespace {

QByteArray Library(int entries) {
    QByteArray text;
    for (int i = 0; i < entries; ++i) {
        text += "w" + QByteArray::number(i) + "#义" + QByteArray::number(i) + "#fon\r\n";
    }
    return text;
}

// The window's library at the time the dialog opens.
WordList Current() {
    return WordList::FromText("apple#苹果\r\npear#梨\r\n", WordList::ShortLines::DropAfterFirst);
}

struct Rig {
    Rig() {
        folder.write("data/now.dat", "apple#苹果\r\npear#梨\r\n");
        folder.write("data/big.dat", Library(2500));
        folder.write("data/empty.dat", "");
        folder.write("table.ini", "现在#now.dat\r\nBig#big.dat   \r\n\r\nGone#gone.dat\r\n"
                                  "Empty#empty.dat\r\n");
    }

    CChooseLibraryDlg& open() {
        dialog = std::make_unique<CChooseLibraryDlg>(folder.path(), ReadCatalogue(folder.path()),
                                                     Current(), "now.dat", "现在");
        return *dialog;
    }

    QComboBox* names() const { return dialog->findChild<QComboBox*>("names"); }
    QTableView* table() const { return dialog->findChild<QTableView*>("entries"); }
    QAbstractItemModel* rows() const { return table()->model(); }
    QString count() const { return dialog->findChild<QLabel*>("count")->text(); }
    QString cell(int row, int column) const { return rows()->index(row, column).data().toString(); }
    // As a pick from the open list does it.
    void pick(int index) const {
        names()->setCurrentIndex(index);
        emit names()->activated(index);
    }

    ProgramFolder folder;
    std::unique_ptr<CChooseLibraryDlg> dialog;
};

} // namespace

class TestChooseLibraryDlg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnswersInAdvance::Enable(true); }
    void init() { AnswersInAdvance::Clear(); }

    void opensOnTheLibraryInUse() {
        Rig rig;
        CChooseLibraryDlg& dialog = rig.open();
        QCOMPARE(dialog.windowTitle(), StringText(StringId::ChooseLibraryCaption));
        QCOMPARE(rig.names()->currentText(), QStringLiteral("现在"));
        QCOMPARE(rig.names()->count(), 5);
        const QStringList names{"现在", "Big", "", "Gone", "Empty"};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(rig.names()->itemText(i), names[i]);
        }
        QCOMPARE(rig.count(), QStringLiteral("2"));
        QCOMPARE(rig.rows()->rowCount(), 2);
        QCOMPARE(rig.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(rig.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(rig.cell(1, 1), QStringLiteral("pear"));
        QCOMPARE(rig.cell(1, 2), QStringLiteral("梨"));
        QCOMPARE(dialog.count(), 2);
        QCOMPARE(dialog.fileName(), QByteArray("now.dat"));
        QCOMPARE(dialog.displayName(), QByteArray("现在"));

        // Grid lines, three left-aligned columns 36, 70 and 174 pixels wide at 96 dpi.
        QTableView* table = rig.table();
        QVERIFY(table->showGrid());
        const QStringList headers{"序号", "单词", "解释"};
        const int widths[] = {36, 70, 174};
        const int dpi = table->logicalDpiX();
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(rig.rows()->headerData(column, Qt::Horizontal).toString(), headers[column]);
            QCOMPARE(table->columnWidth(column), (widths[column] * dpi + 48) / 96);
            QCOMPARE(rig.rows()->index(0, column).data(Qt::TextAlignmentRole).toInt(),
                     int(Qt::AlignLeft | Qt::AlignVCenter));
        }

        // In the middle of the desktop, give or take the window frame, which is not known
        // before the dialog is shown.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - middle).manhattanLength() <= 8);
    }

    void showsTheFirstThousandEntriesAndTheFullCount() {
        Rig rig;
        CChooseLibraryDlg& dialog = rig.open();
        rig.pick(1); // its file part ends in spaces
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        QCOMPARE(rig.count(), QStringLiteral("2500"));
        QCOMPARE(dialog.count(), 2500);
        QCOMPARE(dialog.fileName(), QByteArray("big.dat"));
        QCOMPARE(dialog.displayName(), QByteArray("Big"));
        QCOMPARE(rig.rows()->rowCount(), 1000);
        QCOMPARE(rig.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(rig.cell(999, 0), QStringLiteral("1000"));
        QCOMPARE(rig.cell(999, 1), QStringLiteral("w999"));
        QCOMPARE(rig.cell(999, 2), QStringLiteral("义999"));
        QCOMPARE(rig.rows()->index(999, 0).data(Qt::UserRole).toInt(), 999);
        QCOMPARE(rig.table()->columnWidth(2), (174 * rig.table()->logicalDpiX() + 48) / 96);
        QCOMPARE(rig.names()->currentText(), QStringLiteral("Big"));
        const WordList taken = dialog.TakeEntries();
        QCOMPARE(taken.size(), 2500);
        QCOMPARE(taken.entry(2499), QByteArray("w2499#义2499#fon"));
        QCOMPARE(dialog.count(), 0);
    }

    void cellsShowTheWholeWordAndMeaning() {
        Rig rig;
        const QByteArray word(60, 'w');
        const QByteArray meaning = QByteArray("长").repeated(100); // 300 bytes
        rig.folder.write("data/now.dat", word + "#" + meaning + "#fon\r\n");
        rig.open();
        rig.pick(0);
        QCOMPARE(rig.cell(0, 1), QString::fromUtf8(word));
        QCOMPARE(rig.cell(0, 2), QString::fromUtf8(meaning));
    }

    // Rows are a line of the table's font high, with two pixels above and below, for a small
    // font as for a large one; a cell too narrow for its text ends it with "…", whose dots are
    // the last ink drawn, low in the row.
    void rowsFitTheFontAndCutTextEndsInAnEllipsis() {
        const QFont original = QApplication::font();
        for (const int pixels : {10, 40}) {
            QFont font = original;
            font.setPixelSize(pixels);
            QApplication::setFont(font);
            Rig rig;
            rig.folder.write("data/now.dat",
                             QByteArray(40, 'W') + "#" + QByteArray(80, 'M') + "\r\nshort#短\r\n");
            rig.open();
            rig.pick(0);
            QTableView* table = rig.table();
            const int line = QFontMetrics(table->font()).height();
            QCOMPARE(table->rowHeight(0), line + 4);
            QCOMPARE(table->rowHeight(1), line + 4);

            rig.dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(rig.dialog.get()));
            const QImage shot = table->viewport()->grab().toImage();
            QVERIFY(shot.rect().contains(table->visualRect(rig.rows()->index(0, 1))));
            for (int column : {1, 2}) {
                const QRect cell = table->visualRect(rig.rows()->index(0, column));
                if (!shot.rect().contains(cell)) {
                    continue; // cut by the view's edge, not by its column
                }
                const QRgb ground = shot.pixel(cell.left() + 1, cell.top() + 1);
                int lastInk = -1;
                int inkTop = cell.bottom();
                for (int x = cell.left(); x < cell.right() - 1; ++x) {
                    for (int y = cell.top(); y < cell.bottom() - 1; ++y) {
                        if (shot.pixel(x, y) != ground) {
                            inkTop = x > lastInk ? y : std::min(inkTop, y);
                            lastInk = x;
                        }
                    }
                }
                QVERIFY(lastInk > cell.left());
                QVERIFY2(inkTop > cell.top() + line / 2,
                         qPrintable(QStringLiteral("column %1, %2 px").arg(column).arg(pixels)));
            }
        }
        QApplication::setFont(original);
    }

    void fileThatCannotBeOpenedLeavesAnEmptyTable() {
        Rig rig;
        CChooseLibraryDlg& dialog = rig.open();
        rig.pick(3);
        QCOMPARE(AnswersInAdvance::Messages(),
                 QStringList{StringText(StringId::LibraryFileNotFound)});
        QCOMPARE(rig.count(), QStringLiteral("0"));
        QCOMPARE(rig.rows()->rowCount(), 0);
        QCOMPARE(dialog.count(), 0);
        QCOMPARE(dialog.fileName(), QByteArray("gone.dat"));

        // The empty line of the catalogue names no file at all.
        AnswersInAdvance::Clear();
        rig.pick(2);
        QCOMPARE(AnswersInAdvance::Messages(),
                 QStringList{StringText(StringId::LibraryFileNotFound)});

        // An empty library shows its pseudo-entry, which counts as one.
        AnswersInAdvance::Clear();
        rig.pick(4);
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        QCOMPARE(rig.count(), QStringLiteral("1"));
        QCOMPARE(rig.cell(0, 1), QStringLiteral("Error"));
        QCOMPARE(rig.cell(0, 2), QStringLiteral("词库为空"));
    }

    void longFileNameIsRefused() {
        Rig rig;
        const QByteArray longName = QByteArray(16, 'f') + ".dat";
        rig.folder.write("data/" + longName, "a#b\r\n");
        rig.folder.write("table.ini", "Long#" + longName + "\r\n");
        CChooseLibraryDlg& dialog = rig.open();
        rig.pick(0);
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{StringText(StringId::NameTooLong)});
        QCOMPARE(dialog.count(), 0);
    }

    void picksByKeyboardAndNotWhileTyping() {
        Rig rig;
        CChooseLibraryDlg& dialog = rig.open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(rig.names()->hasFocus());
        QCOMPARE(rig.names()->currentIndex(), 0); // the library in use
        // The arrow keys pick the next name of the list.
        QTest::keyClick(rig.names(), Qt::Key_Down);
        QCOMPARE(rig.names()->currentText(), QStringLiteral("Big"));
        QCOMPARE(dialog.count(), 2500);
        // Typing picks nothing, not even a whole name, until the field is left.
        rig.names()->lineEdit()->selectAll();
        QTest::keyClicks(rig.names(), "Empty");
        QCOMPARE(dialog.count(), 2500);
        QTest::keyClick(rig.names(), Qt::Key_Tab);
        QCOMPARE(dialog.fileName(), QByteArray("empty.dat"));
        QCOMPARE(dialog.count(), 1);
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
    }
};

QTEST_MAIN(TestChooseLibraryDlg)
#include "tst_chooselibrarydlg.moc"
