// The commands of the main window on the entry on show, under the offscreen platform, with
// real files in a program folder of their own: the new-word book, deleting words, progress
// files, and find. Message boxes, file dialogs and the find dialog are answered in advance.

#include "tests/recitation/ui/WindowRig.h"

#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/ui/CFindDlg.h"
#include "recitation/ProgressFile.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QString kAdded = QStringLiteral("当前单词已写入生词本!");
const QString kClear = QStringLiteral("是否清空生词本？");
const QString kDelete = QStringLiteral("是否删除当前单词？");
const QString kNotFound = QStringLiteral("单词未找到！");
const QString kWriteError = QStringLiteral("写文件出错!");
const QString kNotProgress = QStringLiteral("该文件不是进度文件!");

SettingsRecord Confirming(bool confirm) {
    SettingsRecord s = QuietSettings();
    s.confirmActions = confirm;
    return s;
}

// The new-word book being learnt, without confirmations.
SettingsRecord LearningTheBook() {
    SettingsRecord s = Confirming(false);
    SetNameField(s.libraryFile, "New_Word.dat");
    return s;
}

QList<QByteArray> Words(const CLexadoDlg& window) {
    return window.library().words().toList();
}

} // namespace

class TestLexadoDlgWords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        MessageBoxAnswers::Enable(true);
        FileDialogAnswers::Enable(true);
        FindDlgAnswers::Enable(true);
    }

    void init() {
        MessageBoxAnswers::Clear();
        FileDialogAnswers::Clear();
        FindDlgAnswers::Clear();
    }

    void addsTheEntryOnShowToTheNewWordBook() {
        SettingsRecord s = Confirming(true);
        s.doubleClickAction = 1;
        WindowRig rig(s, {"apple#苹果#ˈæpl", "pear#梨"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.RunCommand(CommandId::AddToNewWordBook);
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(rig.folder.read("data/New_Word.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\napple#苹果#ˈæpl\r\n"));
        QCOMPARE(MessageBoxAnswers::Shown(), (QStringList{kAdded, kAdded}));
        QVERIFY(TimersRun(w));

        // Without confirmations nothing is shown; a book that cannot be written is reported.
        WindowRig quiet(Confirming(false), {"pear#梨", "fig#无花果"});
        quiet.open();
        MessageBoxAnswers::Clear();
        quiet.window->RunCommand(CommandId::AddToNewWordBook);
        QCOMPARE(quiet.folder.read("data/New_Word.dat"), QByteArray("pear#梨\r\n"));
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
        QVERIFY(QDir(quiet.folder.filePath("data")).removeRecursively());
        quiet.window->RunCommand(CommandId::AddToNewWordBook);
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kWriteError});
    }

    // Emptying asks even without confirmations; only Yes empties. The book being learnt is read
    // again, so it shows that it is empty.
    void emptyingTheBookAlwaysAsks() {
        WindowRig rig(LearningTheBook());
        rig.folder.write("data/New_Word.dat", "a#1\r\nb#2\r\n");
        CLexadoDlg& w = rig.open();
        w.RunCommand(CommandId::ClearNewWordBook); // answered No
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kClear});
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("a#1\r\nb#2\r\n"));
        MessageBoxAnswers::Queue(MessageAnswer::Yes);
        w.RunCommand(CommandId::ClearNewWordBook);
        QCOMPARE(MessageBoxAnswers::Shown(), (QStringList{kClear, kClear}));
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray());
        QCOMPARE(Words(w), QList<QByteArray>{"Error#词库为空"});
        w.RunCommand(CommandId::Exit);
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray());
    }

    // Learning the book itself: a word deleted from it and a word added to it both stay so
    // when the program exits.
    void bookBeingLearntKeepsAddedWords() {
        WindowRig rig(LearningTheBook());
        rig.folder.write("data/New_Word.dat", "a#1\r\nb#2\r\nc#3\r\n");
        CLexadoDlg& w = rig.open();
        QCOMPARE(w.state().currentLine, QByteArray("a#1"));
        w.RunCommand(CommandId::DeleteWord);
        w.RunCommand(CommandId::AddToNewWordBook); // "a#1" is still on show
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("b#2\r\nc#3\r\na#1\r\n"));
        QCOMPARE(Words(w), (QList<QByteArray>{"b#2", "c#3", "a#1"}));
        w.RunCommand(CommandId::Exit);
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("b#2\r\nc#3\r\na#1\r\n"));
    }

    // Learning the book, with a deletion that cannot be written while the book's file is out
    // of reach: adding and emptying fail, and the deletion waits in memory for the next
    // rewrite instead of being lost.
    void bookBeingLearntKeepsDeletionsItCannotWrite() {
        WindowRig rig(LearningTheBook());
        rig.folder.write("data/New_Word.dat", "a#1\r\nb#2\r\nc#3\r\n");
        CLexadoDlg& w = rig.open();
        w.RunCommand(CommandId::DeleteWord);
        QVERIFY(QFile::remove(rig.folder.filePath("data/New_Word.dat")));
        QVERIFY(QDir(rig.folder.path()).mkpath("data/New_Word.dat"));
        const QString notWritten = QStringLiteral("未找到该词库文件");
        w.RunCommand(CommandId::AddToNewWordBook);
        QCOMPARE(MessageBoxAnswers::Shown(), (QStringList{notWritten, kWriteError}));
        MessageBoxAnswers::Queue(MessageAnswer::Yes);
        w.RunCommand(CommandId::ClearNewWordBook);
        QCOMPARE(MessageBoxAnswers::Shown(),
                 (QStringList{notWritten, kWriteError, kClear, kWriteError}));
        QCOMPARE(Words(w), (QList<QByteArray>{"b#2", "c#3"}));
        QVERIFY(w.library().dirty());

        QVERIFY(QDir(rig.folder.filePath("data/New_Word.dat")).removeRecursively());
        w.RunCommand(CommandId::Exit);
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("b#2\r\nc#3\r\n"));
    }

    // The deleted entry leaves the list, a second press on it does nothing, and exit rewrites
    // the library without it and with every other line as it was.
    void deletesTheEntryOnShowOnce() {
        SettingsRecord s = Confirming(false);
        s.position = 1;
        WindowRig rig(s, {"apple#苹果#ˈæpl", "\xb9\xfe#gbk", "cat#猫", "  dog#狗"});
        CLexadoDlg& w = rig.open();
        QCOMPARE(w.state().currentLine, QByteArray("\xb9\xfe#gbk"));
        w.RunCommand(CommandId::DeleteWord);
        w.RunCommand(CommandId::DeleteWord);
        QCOMPARE(Words(w), (QList<QByteArray>{"apple#苹果#ˈæpl", "cat#猫", "  dog#狗"}));
        QVERIFY(w.library().dirty());
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
        QCOMPARE(rig.folder.read("data/words.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\n\xb9\xfe#gbk\r\ncat#猫\r\n  dog#狗\r\n"));
        w.RunCommand(CommandId::Exit);
        QCOMPARE(rig.folder.read("data/words.dat"),
                 QByteArray("apple#苹果#ˈæpl\r\ncat#猫\r\n  dog#狗\r\n"));
    }

    // The word timer runs on while the question is open: the entry asked about goes, and the
    // next delete takes the entry then on show, not its neighbour.
    void deletesTheEntryAskedAbout() {
        WindowRig rig(Confirming(true), {"a#1", "b#2", "c#3", "d#4"});
        CLexadoDlg& w = rig.open();
        NextWord(w);
        QCOMPARE(w.state().currentLine, QByteArray("b#2"));
        MessageBoxAnswers::Queue(MessageAnswer::Yes, [&w] { NextWord(w); });
        w.RunCommand(CommandId::DeleteWord);
        QCOMPARE(Words(w), (QList<QByteArray>{"a#1", "c#3", "d#4"}));
        QCOMPARE(w.state().currentLine, QByteArray("c#3"));
        MessageBoxAnswers::Queue(MessageAnswer::Yes);
        w.RunCommand(CommandId::DeleteWord);
        QCOMPARE(Words(w), (QList<QByteArray>{"a#1", "d#4"}));
    }

    void neverDeletesTheLastEntry() {
        SettingsRecord s = Confirming(true);
        s.doubleClickAction = 0;
        WindowRig rig(s, {"a#1", "b#2"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.RunCommand(CommandId::DeleteWord); // answered No
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kDelete});
        QCOMPARE(Words(w).size(), 2);
        QVERIFY(!w.library().dirty());
        MessageBoxAnswers::Queue(MessageAnswer::Yes);
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Words(w), QList<QByteArray>{"b#2"});
        NextWord(w);
        QCOMPARE(w.state().currentLine, QByteArray("b#2"));
        MessageBoxAnswers::Clear();
        w.RunCommand(CommandId::DeleteWord);
        QCOMPARE(Words(w), QList<QByteArray>{"b#2"});
        QVERIFY(MessageBoxAnswers::Shown().isEmpty()); // refused before any question
    }

    // Saved while library A is current, loaded while B is: A again, from the stored place.
    void progressBringsBackLibraryAndPlace() {
        SettingsRecord s = QuietSettings();
        SetNameField(s.libraryFile, "a.dat");
        SetNameField(s.libraryName, "A");
        s.groupSize = 3;
        s.groupNumber = 2;
        s.position = 1;
        s.repeatCount = 1;
        WindowRig rig(s);
        rig.folder.write("data/a.dat", Entries("a", 9).join("\r\n"));
        rig.folder.write("data/b.dat", Entries("b", 4).join("\r\n"));
        CLexadoDlg& w = rig.open();
        QCOMPARE(w.state().currentIndex, 4);
        const QString saved = rig.folder.filePath("place.sav");
        FileDialogAnswers::Queue(saved);
        w.RunCommand(CommandId::SaveProgress);
        QCOMPARE(rig.folder.read("place.sav"), RecordBytes(w.settings()));
        const FileDialogOptions asked = FileDialogAnswers::Shown().constFirst();
        QCOMPARE(asked.mode, FileDialogMode::Save);
        QCOMPARE(asked.filter, QStringLiteral("save(*.sav)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("sav"));

        SettingsRecord b = s;
        SetNameField(b.libraryFile, "b.dat");
        SetNameField(b.libraryName, "B");
        b.groupNumber = 1;
        b.position = 0;
        b.repeatCount = 0;
        QVERIFY(WriteProgressFile(rig.folder.filePath("b.sav"), b));
        FileDialogAnswers::Queue(rig.folder.filePath("b.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(Words(w), Entries("b", 4));
        QCOMPARE(w.state().currentLine, QByteArray("b0#意思0"));

        FileDialogAnswers::Queue(saved);
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(FileDialogAnswers::Shown().last().mode, FileDialogMode::Open);
        QCOMPARE(NameField(w.settings().libraryFile), QByteArray("a.dat"));
        QCOMPARE(NameField(w.settings().libraryName), QByteArray("A"));
        QCOMPARE(Words(w), Entries("a", 9));
        // Group 2 at its third entry; then the pass ends and the group starts again.
        QCOMPARE(w.state().currentIndex, 5);
        QCOMPARE(w.state().currentLine, QByteArray("a5#意思5"));
        QCOMPARE(w.settings().groupNumber, 2);
        QCOMPARE(w.settings().position, 0);
        QCOMPARE(w.settings().repeatCount, 2);
        QVERIFY(TimersRun(w));
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
    }

    // Paused, the entry of the loaded place stays on show with its meaning.
    void progressLoadedWhilePausedShowsTheMeaning() {
        WindowRig rig(QuietSettings(), Entries("w", 5));
        CLexadoDlg& w = rig.open();
        w.RunCommand(CommandId::Pause);
        SettingsRecord place = QuietSettings();
        place.position = 3;
        QVERIFY(WriteProgressFile(rig.folder.filePath("place.sav"), place));
        FileDialogAnswers::Queue(rig.folder.filePath("place.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(w.state().currentLine, QByteArray("w3#意思3"));
        QVERIFY(w.state().paused);
        QVERIFY(w.state().meaningShown);
        QVERIFY(w.engine().runningTimers().wordPeriodMs == 0);
    }

    void progressNamingAMissingLibrary_data() {
        QTest::addColumn<QByteArray>("fileName");
        QTest::newRow("gone") << QByteArray("gone.dat");
        QTest::newRow("out of data") << QByteArray("../table.ini");
    }

    void progressNamingAMissingLibrary() {
        QFETCH(QByteArray, fileName);
        WindowRig rig(QuietSettings());
        CLexadoDlg& w = rig.open();
        SettingsRecord lost = QuietSettings();
        SetNameField(lost.libraryFile, fileName);
        QVERIFY(WriteProgressFile(rig.folder.filePath("lost.sav"), lost));
        FileDialogAnswers::Queue(rig.folder.filePath("lost.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(Words(w), QList<QByteArray>{"Error#无该词库文件"});
        QCOMPARE(w.state().currentLine, QByteArray("Error#无该词库文件"));
        QCOMPARE(rig.folder.read("table.ini"), QByteArray("TOEFL#words.dat\r\n"));
    }

    // Deletions reach the library's file before the progress file is read, also when it
    // cannot be read; a cancelled dialog changes nothing.
    void dirtyLibraryIsWrittenBeforeLoading() {
        WindowRig rig(Confirming(false), {"a#1", "b#2", "c#3"});
        CLexadoDlg& w = rig.open();
        const QByteArray before = RecordBytes(w.settings());
        w.RunCommand(CommandId::LoadProgress); // cancelled
        w.RunCommand(CommandId::DeleteWord);
        QCOMPARE(rig.folder.read("data/words.dat"), QByteArray("a#1\r\nb#2\r\nc#3\r\n"));
        FileDialogAnswers::Queue(rig.folder.filePath("absent.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(rig.folder.read("data/words.dat"), QByteArray("b#2\r\nc#3\r\n"));
        QCOMPARE(RecordBytes(w.settings()), before);
        QCOMPARE(w.state().currentLine, QByteArray("a#1"));
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
        QVERIFY(TimersRun(w));
    }

    void fileOfAnotherSizeIsRefused_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("100 bytes") << 100;
        QTest::newRow("300 bytes") << 300;
    }

    void fileOfAnotherSizeIsRefused() {
        QFETCH(int, size);
        WindowRig rig(QuietSettings(), {"a#1", "b#2"});
        CLexadoDlg& w = rig.open();
        SettingsRecord other = QuietSettings();
        SetNameField(other.libraryFile, "other.dat");
        other.groupNumber = 7;
        rig.folder.write("odd.sav", RecordBytes(other).leftJustified(size, '\0', true));
        const QByteArray before = RecordBytes(w.settings());
        FileDialogAnswers::Queue(rig.folder.filePath("odd.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kNotProgress});
        QCOMPARE(RecordBytes(w.settings()), before);
        QCOMPARE(Words(w), (QList<QByteArray>{"a#1", "b#2"}));
        QCOMPARE(w.state().currentLine, QByteArray("a#1"));
    }

    // The tick timer runs after a load only when the loaded record draws the bar or delays
    // the meaning; a failed save is reported and leaves no file.
    void loadedRecordDecidesTheTickTimer() {
        WindowRig rig(QuietSettings());
        CLexadoDlg& w = rig.open();
        SettingsRecord plain = QuietSettings();
        plain.showProgressBar = false;
        plain.fadeInMeaning = false;
        plain.wordTimeMs = 2000;
        QVERIFY(WriteProgressFile(rig.folder.filePath("plain.sav"), plain));
        FileDialogAnswers::Queue(rig.folder.filePath("plain.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(w.engine().runningTimers(), (RunningTimers{2000, 0}));

        plain.showProgressBar = true;
        QVERIFY(WriteProgressFile(rig.folder.filePath("bar.sav"), plain));
        FileDialogAnswers::Queue(rig.folder.filePath("bar.sav"));
        w.RunCommand(CommandId::LoadProgress);
        QCOMPARE(w.engine().runningTimers(), (RunningTimers{2000, 40}));

        FileDialogAnswers::Queue(rig.folder.filePath("no/such/folder/x.sav"));
        w.RunCommand(CommandId::SaveProgress);
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kWriteError});
        QVERIFY(TimersRun(w));
    }

    void findLocatesTheFirstMatch() {
        WindowRig rig(QuietSettings(), {"apple#苹果", "application#应用", "  banana#香蕉"});
        CLexadoDlg& w = rig.open();
        const QList<std::pair<QString, qsizetype>> cases{{"appli", 1}, {"banana", 2}, {"", 0}};
        for (const auto& [text, index] : cases) {
            NextWord(w);
            FindDlgAnswers::Queue(text);
            w.RunCommand(CommandId::Find);
            QCOMPARE(w.state().currentIndex, index);
            QCOMPARE(w.state().currentLine, w.library().words().entry(index));
            QCOMPARE(w.settings().position, index);
            QCOMPARE(w.state().tick, 2);
        }
        QCOMPARE(w.displayLine().word, QStringLiteral("apple"));
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
        QVERIFY(TimersRun(w));

        // Not found and cancelled: the entry and the cursor stay.
        FindDlgAnswers::Queue(QStringLiteral("Apple"));
        w.RunCommand(CommandId::Find);
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{kNotFound});
        w.RunCommand(CommandId::Find);
        QCOMPARE(w.state().currentIndex, 0);
        QCOMPARE(w.settings().position, 0);
        QVERIFY(TimersRun(w));
    }

    // Grouped, a locate points the cursor into the entry's group. A paused window stays
    // paused, showing the entry found with its meaning.
    void findInGroupsAndWhilePaused() {
        WindowRig rig(QuietSettings(), Entries("w", 200));
        CLexadoDlg& w = rig.open();
        w.RunCommand(CommandId::Pause);
        FindDlgAnswers::Queue(QStringLiteral("w120#"));
        w.RunCommand(CommandId::Find);
        QCOMPARE(w.state().currentIndex, 120);
        QCOMPARE(w.settings().groupNumber, 3);
        QCOMPARE(w.settings().position, 20);
        QCOMPARE(w.displayLine().word, QStringLiteral("w120"));
        QVERIFY(w.state().paused);
        QVERIFY(w.state().meaningShown);
        QCOMPARE(w.engine().runningTimers(), RunningTimers{});
        w.RunCommand(CommandId::Pause);
        QCOMPARE(w.state().currentIndex, 120); // resuming shows the located entry again
        QVERIFY(TimersRun(w));
    }

    // The dialog itself: its caption and buttons, centred on the screen, the text as typed.
    void findDialog() {
        WordList words;
        words.append("apple#苹果");
        words.append("application#应用");
        CFindDlg dialog(words);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("查找/定位"));
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - centre).manhattanLength() <= 2);

        QLineEdit* edit = dialog.findChild<QLineEdit*>();
        QVERIFY(edit->text().isEmpty());
        edit->setText(QStringLiteral("appli"));
        box->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.foundIndex(), 1);
    }

    // The real save-as dialog: one filter, the suffix added to a bare name, no question on
    // overwriting.
    void saveDialogOffersProgressFiles() {
        FileDialogAnswers::Enable(false);
        ProgramFolder folder;
        folder.write("old.sav", "x");
        QString offered;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            offered = dialog->nameFilters().join(u'|') + u' ' + dialog->defaultSuffix();
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->selectFile(QStringLiteral("place"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const std::optional<QString> chosen =
            ChooseFile(nullptr, {FileDialogMode::Save, folder.path(), QStringLiteral("save(*.sav)"),
                                 QStringLiteral("sav")});
        FileDialogAnswers::Enable(true);
        QCOMPARE(offered, QStringLiteral("save(*.sav) sav"));
        QCOMPARE(chosen.value_or(QString()), folder.filePath("place.sav"));
    }
};

QTEST_MAIN(TestLexadoDlgWords)
#include "tst_lexadodlg_words.moc"
