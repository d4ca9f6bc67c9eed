// The library manager under the offscreen platform, with a real table.ini and data/ in a
// program folder of its own. Message boxes are answered in advance.

#include "controls/AnswersInAdvance.h"
#include "library/Catalogue.h"
#include "library/TextFile.h"
#include "library/ui/CLibraryManagerDlg.h"
#include "speech/IpaTranscription.h"
#include "tests/support/ProgramFolder.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using Lines = QList<QByteArray>;

namespace {

const QString kListed = QStringLiteral("已有该词库或重名");
const QString kLast = QStringLiteral("不能删了,没有库文件你怎么用");
const QString kWriteError = QStringLiteral("写文件出错!");

struct Rig {
    explicit Rig(const QByteArray& table) {
        folder.write("table.ini", table);
        folder.write("data/toefl.dat", "a#b\r\n");
        folder.write("data/gre.dat", "a#b\r\n");
        folder.write("data/Book.DAT", "a#b\r\n");
        folder.write("data/notes.txt", "");
        QDir(folder.path()).mkpath("data/folder.dat");
        catalogue = ReadCatalogue(folder.path());
        dialog = std::make_unique<CLibraryManagerDlg>(folder.path(), catalogue, &IpaTranscription);
    }

    QListWidget* names() const { return dialog->findChild<QListWidget*>("names"); }
    QLineEdit* name() const { return dialog->findChild<QLineEdit*>("name"); }
    QComboBox* file() const { return dialog->findChild<QComboBox*>("file"); }
    QPushButton* button(const char* name) const {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void fill(const QString& nameText, const QString& fileText) const {
        name()->setText(nameText);
        file()->setEditText(fileText);
    }

    QStringList shownNames() const {
        QStringList list;
        for (int i = 0; i < names()->count(); ++i) {
            list.append(names()->item(i)->text());
        }
        return list;
    }
    QStringList files() const {
        QStringList list;
        for (int i = 0; i < file()->count(); ++i) {
            list.append(file()->itemText(i));
        }
        return list;
    }
    // The list's selection and the fields, as the user sees them.
    QString shown() const {
        return QStringLiteral("%1|%2|%3")
            .arg(names()->currentRow())
            .arg(name()->text(), file()->currentText());
    }

    ProgramFolder folder;
    LibraryCatalogue catalogue;
    std::unique_ptr<CLibraryManagerDlg> dialog;
};

} // namespace

class TestLibraryManagerDlg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(trashHome_.isValid());
        qputenv("XDG_DATA_HOME", trashHome_.path().toLocal8Bit());
        AnswersInAdvance::Enable(true);
    }
    void init() { AnswersInAdvance::Clear(); }

    void opensOnTheFirstEntry() {
        Rig rig("TOEFL#toefl.dat\r\n\r\n生词#New_Word.dat\r\n");
        QCOMPARE(rig.dialog->windowTitle(), QStringLiteral("库文件管理"));
        // The empty line is an entry with an empty name.
        QCOMPARE(rig.shownNames(), (QStringList{"TOEFL", "", "生词"}));
        QCOMPARE(rig.shown(), QStringLiteral("0|TOEFL|toefl.dat"));
        // Library files of any case, in name order; no folders, no other files.
        QCOMPARE(rig.files(), (QStringList{"Book.DAT", "gre.dat", "toefl.dat"}));
        QStringList labels;
        for (const QLabel* label : rig.dialog->findChildren<QLabel*>()) {
            labels.append(label->text());
        }
        labels.sort();
        QCOMPARE(labels, (QStringList{"对应文件名", "已有的词库", "词库名"}));
        const QList<std::pair<const char*, QString>> buttons{
            {"add", "添加"},      {"delete", "删除"}, {"rename", "改名"},  {"moveUp", "上移"},
            {"moveDown", "下移"}, {"remove", "移出"}, {"import", "导入…"}, {"ok", "确定"}};
        for (const auto& [name, text] : buttons) {
            QCOMPARE(rig.button(name)->text(), text);
        }
        QVERIFY(rig.button("ok")->isDefault());

        rig.names()->setCurrentRow(2);
        QCOMPARE(rig.shown(), QStringLiteral("2|生词|New_Word.dat"));
        rig.names()->setCurrentRow(1);
        QCOMPARE(rig.shown(), QStringLiteral("1||"));

        // In the middle of the desktop, give or take the window frame.
        rig.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.dialog.get()));
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((rig.dialog->frameGeometry().center() - middle).manhattanLength() <= 8);
    }

    void addAndOkWriteTheCatalogue() {
        const QByteArray table = "TOEFL#toefl.dat\r\n\r\nGRE#gre.dat\r\n";
        Rig rig(table);
        rig.fill("New", "gre.dat");
        rig.click("add");
        rig.fill("GRE", "new.dat");
        rig.click("add");
        QCOMPARE(AnswersInAdvance::Messages(), (QStringList{kListed, kListed}));
        QCOMPARE(rig.catalogue.size(), 3);

        AnswersInAdvance::Clear();
        rig.fill("新词", "Book.DAT");
        rig.click("add");
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        QCOMPARE(rig.shownNames(), (QStringList{"TOEFL", "", "GRE", "新词"}));
        QCOMPARE(rig.shown(), QStringLiteral("3|新词|Book.DAT"));
        QCOMPARE(rig.folder.read("table.ini"), table); // nothing written yet

        rig.click("ok");
        QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(rig.folder.read("table.ini"), table + "新词#Book.DAT\r\n");
    }

    // A library another program added while the manager was open stays, with the edits made.
    void okKeepsLinesAddedMeanwhile() {
        Rig rig("TOEFL#toefl.dat\r\nGRE#gre.dat\r\n");
        rig.names()->setCurrentRow(1);
        rig.click("remove");
        rig.folder.write("table.ini", "TOEFL#toefl.dat\r\nGRE#gre.dat\r\nNew#new.dat\r\n");
        rig.click("ok");
        QCOMPARE(rig.folder.read("table.ini"), "TOEFL#toefl.dat\r\nNew#new.dat\r\n");
        QCOMPARE(rig.catalogue.toList(), (Lines{"TOEFL#toefl.dat", "New#new.dat"}));
    }

    void escapeWritesNothingButKeepsTheEdits() {
        const QByteArray table = "TOEFL#toefl.dat\r\nGRE#gre.dat\r\n";
        Rig rig(table);
        rig.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.dialog.get()));
        rig.fill("Book", "Book.DAT");
        rig.click("add");
        QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
        QCOMPARE(rig.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(rig.folder.read("table.ini"), table);
        QCOMPARE(rig.catalogue.toList(),
                 (Lines{"TOEFL#toefl.dat", "GRE#gre.dat", "Book#Book.DAT"}));
    }

    // The list and the fields follow each edit; the edits themselves are the editor's.
    void listAndFieldsFollowTheEdits() {
        Rig rig("A#a.dat\r\nB#b.dat\r\nC#c.dat\r\n");
        rig.names()->setCurrentRow(1);
        rig.fill("A", "c.dat");
        rig.click("rename");
        QCOMPARE(rig.shownNames(), (QStringList{"A", "A", "C"}));
        QCOMPARE(rig.shown(), QStringLiteral("1|A|c.dat"));
        rig.click("moveDown"); // the fields stay
        QCOMPARE(rig.shown(), QStringLiteral("2|A|c.dat"));
        rig.click("moveDown");
        QCOMPARE(rig.shown(), QStringLiteral("2|A|c.dat"));
        rig.click("remove");
        QCOMPARE(rig.shown(), QStringLiteral("1|C|c.dat"));
        rig.click("remove");
        QCOMPARE(rig.shown(), QStringLiteral("0|A|a.dat"));
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        rig.click("remove");
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{kLast});
        QVERIFY(rig.folder.exists("data/toefl.dat")); // remove leaves files alone
    }

    void deleteTakesTheFileAndItsEntries() {
        Rig rig("TOEFL#toefl.dat\r\nGRE#gre.dat\r\nGRE 2#gre.dat\r\n");
        rig.names()->setCurrentRow(2);
        rig.click("delete");
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        QVERIFY(!rig.folder.exists("data/gre.dat"));
        QVERIFY(QFile::exists(trashHome_.filePath("Trash/files/gre.dat")));
        QCOMPARE(rig.shownNames(), QStringList{"TOEFL"});
        QCOMPARE(rig.files(), (QStringList{"Book.DAT", "toefl.dat"}));
        QCOMPARE(rig.shown(), QStringLiteral("0|TOEFL|toefl.dat"));
    }

    void deleteKeepsTheLastEntry() {
        Rig rig("TOEFL#toefl.dat\r\nTOEFL 2#toefl.dat\r\n");
        rig.click("delete");
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{kLast});
        QCOMPARE(rig.shownNames(), QStringList{"TOEFL 2"});
        QCOMPARE(rig.shown(), QStringLiteral("0|TOEFL 2|toefl.dat"));
        QVERIFY(!rig.folder.exists("data/toefl.dat"));
        QCOMPARE(rig.files(), (QStringList{"Book.DAT", "gre.dat"}));

        // A typed file that no entry names: the file goes, the fields stay as typed.
        AnswersInAdvance::Clear();
        rig.catalogue.append("GRE#gre.dat");
        rig.fill("x", "Book.DAT");
        rig.click("delete");
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        QVERIFY(!rig.folder.exists("data/Book.DAT"));
        QCOMPARE(rig.files(), QStringList{"gre.dat"});
        QCOMPARE(rig.file()->currentText(), QStringLiteral("Book.DAT"));
        QCOMPARE(rig.catalogue.size(), 2);
    }

    void refusesNamesTheSettingsCannotHold() {
        Rig rig("TOEFL#toefl.dat\r\nGRE#gre.dat\r\n");
        rig.fill("二十个字节以上的名字", "x.dat");
        rig.click("add");
        rig.fill("a#b", "x.dat");
        rig.click("rename");
        QCOMPARE(AnswersInAdvance::Messages(),
                 (QStringList{"词库名和文件名最多19个字节(约6个汉字)", "词库名不能含有“#”"}));
        QCOMPARE(rig.catalogue.toList(), (Lines{"TOEFL#toefl.dat", "GRE#gre.dat"}));

        // A line break pasted into either field would split the line in table.ini.
        AnswersInAdvance::Clear();
        const auto paste = [](QLineEdit* field, const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            field->selectAll();
            QTest::keySequence(field, QKeySequence::Paste);
            return field->text() == text;
        };
        QVERIFY(paste(rig.name(), "New\nLib"));
        QVERIFY(paste(rig.file()->lineEdit(), "new.dat"));
        rig.click("add");
        QVERIFY(paste(rig.name(), "New"));
        QVERIFY(paste(rig.file()->lineEdit(), "new.dat\r\nX#x.dat"));
        rig.click("rename");
        QVERIFY(paste(rig.file()->lineEdit(), "new\t.dat"));
        rig.click("add");
        const QString control = QStringLiteral("词库名和文件名不能含有换行等控制字符");
        QCOMPARE(AnswersInAdvance::Messages(), (QStringList{control, control, control}));
        rig.click("ok");
        QCOMPARE(rig.folder.read("table.ini"), QByteArray("TOEFL#toefl.dat\r\nGRE#gre.dat\r\n"));
    }

    void emptyCatalogueIsSafe() {
        Rig rig("");
        QCOMPARE(rig.shown(), QStringLiteral("-1||"));
        for (const char* name : {"rename", "moveUp", "moveDown"}) {
            rig.click(name);
        }
        QVERIFY(AnswersInAdvance::Messages().isEmpty());
        rig.click("remove");
        rig.click("delete");
        QCOMPARE(AnswersInAdvance::Messages(), (QStringList{kLast, kLast}));
        QVERIFY(rig.catalogue.isEmpty());
        rig.fill("TOEFL", "toefl.dat");
        rig.click("add");
        QCOMPARE(rig.shown(), QStringLiteral("0|TOEFL|toefl.dat"));
    }

    void writeFailureIsToldAndTheDialogCloses() {
        Rig rig("TOEFL#toefl.dat\r\n");
        CLibraryManagerDlg dialog(rig.folder.filePath("no such folder"), rig.catalogue,
                                  &IpaTranscription);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{kWriteError});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // An import writes the new library file and its line in table.ini at once, under a name
    // that neither table.ini, nor the catalogue being edited, nor a file in data/ has; leaving
    // the manager without OK keeps both. A cancelled file dialog or a refused file writes
    // nothing.
    void importAddsTheWordListAsALibrary() {
        const QByteArray table = "TOEFL#toefl.dat\r\n";
        Rig rig(table);
        const QTemporaryDir sources;
        const QString csv = sources.filePath("fruit.csv");
        QVERIFY(ReplaceFileContents(csv, "apple,苹果,ˈæpl\r\n\"tea, green\",绿茶\r\n,孤儿\r\n"
                                         "banana,\"香蕉 # 芭蕉\"\r\n"));
        QVERIFY(ReplaceFileContents(sources.filePath("empty.txt"), "\r\n"));
        rig.folder.write("data/fruit-2.dat", "old#旧\r\n");
        rig.fill("fruit", "other.dat");
        rig.click("add"); // listed in the dialog only
        const QStringList dataFiles = QDir(rig.folder.filePath("data")).entryList(QDir::Files);

        AnswersInAdvance::Queue(std::nullopt);
        AnswersInAdvance::Queue(sources.filePath("empty.txt"));
        rig.click("import");
        rig.click("import");
        QCOMPARE(AnswersInAdvance::Messages(), QStringList{"文件中没有可导入的单词。"});
        QCOMPARE(QDir(rig.folder.filePath("data")).entryList(QDir::Files), dataFiles);
        QCOMPARE(rig.folder.read("table.ini"), table);

        AnswersInAdvance::Clear();
        AnswersInAdvance::Queue(csv);
        rig.click("import");
        const FileDialogOptions shown = AnswersInAdvance::FileDialogs().constLast();
        QCOMPARE(shown.mode, FileDialogMode::Open);
        QCOMPARE(shown.filter,
                 QStringLiteral("单词表 (*.kvtml *.txt *.tsv *.csv);;KVTML 文件 (*.kvtml);;"
                                "文本文件 (*.txt *.tsv *.csv);;所有文件 (*)"));
        QCOMPARE(
            AnswersInAdvance::Messages(),
            QStringList{"已导入词库“fruit-3”（文件 fruit-3.dat）：3 个词条，其中 2 个补上了音标。\n"
                        "跳过了 1 个没有单词的词条。"});
        QCOMPARE(rig.folder.read("data/fruit-3.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\ntea, green#绿茶#ˈtiː ˈɡriːn\r\n"
                            "banana#香蕉 ＃ 芭蕉#bəˈnɑːnə\r\n"));
        QCOMPARE(rig.folder.read("data/fruit-2.dat"), QByteArray("old#旧\r\n"));
        QCOMPARE(rig.folder.read("table.ini"), table + "fruit-3#fruit-3.dat\r\n");
        QCOMPARE(rig.shownNames(), (QStringList{"TOEFL", "fruit", "fruit-3"}));
        QCOMPARE(rig.shown(), QStringLiteral("2|fruit-3|fruit-3.dat"));
        QVERIFY(rig.files().contains("fruit-3.dat"));
        QVERIFY(rig.dialog->isEnabled());

        QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
        QCOMPARE(rig.folder.read("table.ini"), table + "fruit-3#fruit-3.dat\r\n");
        CLibraryManagerDlg again(rig.folder.path(), rig.catalogue, &IpaTranscription);
        QTest::mouseClick(again.findChild<QPushButton*>("ok"), Qt::LeftButton);
        QCOMPARE(rig.folder.read("table.ini"),
                 table + "fruit#other.dat\r\nfruit-3#fruit-3.dat\r\n");
    }

    // Bytes in the encoding of the original platform stay as they were unless edited.
    void untouchedFieldsKeepTheirBytes() {
        const QByteArray gbkName("\xC9\xFA\xB4\xCA", 4); // 生词 in GBK
        Rig rig(gbkName + "#toefl.dat\r\nGRE#gre.dat\r\n");
        QCOMPARE(rig.name()->text(), QStringLiteral("生词"));
        rig.click("rename");
        QCOMPARE(rig.catalogue.entry(0), gbkName + "#toefl.dat");
        rig.name()->setText(QStringLiteral("生词本"));
        rig.click("rename");
        QCOMPARE(rig.catalogue.entry(0), QByteArray("生词本#toefl.dat"));
    }

private:
    QTemporaryDir trashHome_;
};

QTEST_MAIN(TestLibraryManagerDlg)
#include "tst_librarymanagerdlg.moc"
