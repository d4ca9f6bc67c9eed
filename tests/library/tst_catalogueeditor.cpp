#include "library/CatalogueEditor.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WordLists.h"

#include <QDirIterator>
#include <QStandardPaths>
#include <QtTest>

using Lines = QList<QByteArray>;

class TestCatalogueEditor : public QObject {
    Q_OBJECT

private slots:
    // Deleted libraries go to a trash of the test's own, not the user's.
    void initTestCase() {
        QVERIFY(trashHome_.isValid());
        qputenv("XDG_DATA_HOME", trashHome_.path().toLocal8Bit());
    }

    void addRefusesAListedNameOrFile() {
        LibraryCatalogue catalogue = ListOf({"TOEFL#TOEFL.dat", "GRE#GRE.dat"});
        CatalogueEditor editor(catalogue);
        QCOMPARE(editor.selected(), 0);
        QCOMPARE(editor.Add("New", "GRE.dat"), CatalogueEdit::AlreadyListed);
        QCOMPARE(editor.Add("TOEFL", "new.dat"), CatalogueEdit::AlreadyListed);
        QCOMPARE(catalogue.toList(), (Lines{"TOEFL#TOEFL.dat", "GRE#GRE.dat"}));
        QCOMPARE(editor.selected(), 0);

        // Names and files are compared byte for byte; empty fields and missing files are fine.
        QCOMPARE(editor.Add("toefl", "toefl.dat"), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 2);
        QCOMPARE(editor.SelectedEntry().name, "toefl");
        QCOMPARE(editor.SelectedEntry().file, "toefl.dat");
        QCOMPARE(editor.Add("", ""), CatalogueEdit::Done);
        QCOMPARE(editor.Add("生词", ""), CatalogueEdit::AlreadyListed);
        QCOMPARE(catalogue.toList(),
                 (Lines{"TOEFL#TOEFL.dat", "GRE#GRE.dat", "toefl#toefl.dat", "#"}));
    }

    void refusesWhatTheSettingsRecordCannotHold() {
        LibraryCatalogue catalogue = ListOf({"TOEFL#TOEFL.dat"});
        CatalogueEditor editor(catalogue);
        const QByteArray six = "六个汉字的名"; // 18 bytes
        QCOMPARE(editor.Add(QByteArray(19, 'n'), "x.dat"), CatalogueEdit::Done);
        QCOMPARE(editor.Add(QByteArray(20, 'n'), "z.dat"), CatalogueEdit::TooLong);
        QCOMPARE(editor.Add("n", QByteArray(16, 'f') + ".dat"), CatalogueEdit::TooLong);
        QCOMPARE(editor.Add(six + "字", "c.dat"), CatalogueEdit::TooLong);
        QCOMPARE(editor.Add(six, QByteArray(15, 'f') + ".dat"), CatalogueEdit::Done);
        // A '#' would end the name early and move the rest into the file name.
        QCOMPARE(editor.Add("a#b", "d.dat"), CatalogueEdit::HashInName);
        QCOMPARE(editor.Add("ab", "d#.dat"), CatalogueEdit::Done);
        editor.Select(0);
        QCOMPARE(editor.Rename(QByteArray(20, 'n'), "TOEFL.dat"), CatalogueEdit::TooLong);
        QCOMPARE(editor.Rename("a#b", "TOEFL.dat"), CatalogueEdit::HashInName);
        // A line break or any other control character would split or garble its line.
        for (const char* control : {"\n", "\r", "\t", "\x1f", "\x7f"}) {
            const QByteArray with = QByteArray("a") + control + "b";
            QCOMPARE(editor.Add(with, "e.dat"), CatalogueEdit::ControlCharacter);
            QCOMPARE(editor.Add("e", with + ".dat"), CatalogueEdit::ControlCharacter);
            QCOMPARE(editor.Rename(with, "TOEFL.dat"), CatalogueEdit::ControlCharacter);
        }
        QCOMPARE(editor.Add(QByteArray("nul\0", 4), "e.dat"), CatalogueEdit::ControlCharacter);
        QCOMPARE(catalogue.toList(),
                 (Lines{"TOEFL#TOEFL.dat", QByteArray(19, 'n') + "#x.dat",
                        six + "#" + QByteArray(15, 'f') + ".dat", "ab#d#.dat"}));
    }

    void renameMayRepeatANameOrFile() {
        LibraryCatalogue catalogue = ListOf({"A#a.dat", "B#b.dat", "C#c.dat"});
        CatalogueEditor editor(catalogue);
        editor.Select(1);
        QCOMPARE(editor.Rename("A", "c.dat"), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 1);
        QCOMPARE(catalogue.toList(), (Lines{"A#a.dat", "A#c.dat", "C#c.dat"}));
    }

    void removeKeepsTheLastEntry() {
        LibraryCatalogue catalogue = ListOf({"A#a.dat", "B#b.dat", "C#c.dat"});
        CatalogueEditor editor(catalogue);
        editor.Select(2); // the last: the new last is selected
        QCOMPARE(editor.Remove(), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 1);
        editor.Select(0); // another: the one now in its place is selected
        QCOMPARE(editor.Remove(), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 0);
        QCOMPARE(catalogue.toList(), (Lines{"B#b.dat"}));
        QCOMPARE(editor.Remove(), CatalogueEdit::LastLibrary);
        QCOMPARE(catalogue.toList(), (Lines{"B#b.dat"}));
    }

    void movesStopAtTheEnds() {
        LibraryCatalogue catalogue = ListOf({"A#a.dat", "B#b.dat", "C#c.dat"});
        CatalogueEditor editor(catalogue);
        QCOMPARE(editor.MoveUp(), CatalogueEdit::Nothing);
        QCOMPARE(editor.MoveDown(), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 1);
        QCOMPARE(editor.MoveDown(), CatalogueEdit::Done);
        QCOMPARE(editor.MoveDown(), CatalogueEdit::Nothing);
        QCOMPARE(editor.selected(), 2);
        QCOMPARE(catalogue.toList(), (Lines{"B#b.dat", "C#c.dat", "A#a.dat"}));
        QCOMPARE(editor.MoveUp(), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 1);
        QCOMPARE(catalogue.toList(), (Lines{"B#b.dat", "A#a.dat", "C#c.dat"}));
    }

    void emptyCatalogueHasNoSelection() {
        LibraryCatalogue catalogue;
        CatalogueEditor editor(catalogue);
        QCOMPARE(editor.selected(), -1);
        QCOMPARE(editor.SelectedEntry().name, "");
        QCOMPARE(editor.Rename("A", "a.dat"), CatalogueEdit::Nothing);
        QCOMPARE(editor.MoveUp(), CatalogueEdit::Nothing);
        QCOMPARE(editor.MoveDown(), CatalogueEdit::Nothing);
        QCOMPARE(editor.Remove(), CatalogueEdit::LastLibrary);
        QVERIFY(catalogue.isEmpty());
        QCOMPARE(editor.Add("A", "a.dat"), CatalogueEdit::Done);
        QCOMPARE(editor.selected(), 0);
        editor.Select(5);
        QCOMPARE(editor.selected(), -1);
    }

    void deleteTrashesTheFileAndRemovesEveryEntryOfIt() {
        ProgramFolder folder;
        folder.write("data/x.dat", "x#叉\r\n");
        folder.write("data/y.dat", "y#歪\r\n");
        // Entries of one file next to each other are both removed.
        LibraryCatalogue catalogue = ListOf({"Y#y.dat", "X1#x.dat", "X2#x.dat"});
        CatalogueEditor editor(catalogue);
        editor.Select(2);
        QCOMPARE(editor.DeleteLibrary(folder.path(), "x.dat"), CatalogueEdit::Done);
        QCOMPARE(catalogue.toList(), (Lines{"Y#y.dat"}));
        QCOMPARE(editor.selected(), 0);
        QVERIFY(!folder.exists("data/x.dat"));
        QVERIFY(folder.exists("data/y.dat"));
        QCOMPARE(TrashedFile("x.dat"), QByteArray("x#叉\r\n"));
    }

    void deleteKeepsTheLastEntryOfTheFile() {
        ProgramFolder folder;
        folder.write("data/x.dat", "x#叉\r\n");
        LibraryCatalogue catalogue = ListOf({"X1#x.dat", "X2#x.dat"});
        CatalogueEditor editor(catalogue);
        QCOMPARE(editor.DeleteLibrary(folder.path(), "x.dat"), CatalogueEdit::LastLibrary);
        QCOMPARE(catalogue.toList(), (Lines{"X2#x.dat"}));
        QVERIFY(!folder.exists("data/x.dat"));

        // With one entry left nothing at all is done, the file included.
        folder.write("data/x.dat", "x#叉\r\n");
        QCOMPARE(editor.DeleteLibrary(folder.path(), "x.dat"), CatalogueEdit::LastLibrary);
        QCOMPARE(catalogue.toList(), (Lines{"X2#x.dat"}));
        QVERIFY(folder.exists("data/x.dat"));
    }

    void deleteNeverReachesOutOfData() {
        ProgramFolder folder;
        folder.write("table.ini", "A#a.dat\r\n");
        folder.write("data/keep", "");
        LibraryCatalogue catalogue = ListOf({"A#a.dat", "T#../table.ini", "D#"});
        CatalogueEditor editor(catalogue);
        // The file stays; the entries naming it go all the same, as for any file that cannot
        // be deleted.
        QCOMPARE(editor.DeleteLibrary(folder.path(), "../table.ini"), CatalogueEdit::Done);
        QVERIFY(folder.exists("table.ini"));
        QCOMPARE(editor.DeleteLibrary(folder.path(), ""), CatalogueEdit::Done);
        QVERIFY(folder.exists("data"));
        QVERIFY(folder.exists("data/keep"));
        QCOMPARE(catalogue.toList(), (Lines{"A#a.dat"}));
    }

    // Lines another program added to table.ini are kept; lines removed or renamed here, and
    // lines held already, are not taken again.
    void takesLinesAddedElsewhere() {
        LibraryCatalogue catalogue = ListOf({"A#a.dat", "B#b.dat", "C#c.dat"});
        CatalogueEditor editor(catalogue);
        QCOMPARE(editor.Remove(), CatalogueEdit::Done);
        QCOMPARE(editor.Rename("B2", "b.dat"), CatalogueEdit::Done);
        QCOMPARE(editor.Add("D", "d.dat"), CatalogueEdit::Done);
        editor.TakeLinesAddedElsewhere(
            ListOf({"A#a.dat", "B#b.dat", "X#x.dat", "C#c.dat", "D#d.dat", "Y#y.dat"}));
        QCOMPARE(catalogue.toList(),
                 (Lines{"B2#b.dat", "C#c.dat", "D#d.dat", "X#x.dat", "Y#y.dat"}));
        QCOMPARE(editor.selected(), 2);
    }

private:
    // The contents of the file of this name in the test's trash.
    QByteArray TrashedFile(const QString& name) const {
        QFile file(trashHome_.filePath("Trash/files/" + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not in the trash)");
    }

    QTemporaryDir trashHome_;
};

QTEST_GUILESS_MAIN(TestCatalogueEditor)
#include "tst_catalogueeditor.moc"
