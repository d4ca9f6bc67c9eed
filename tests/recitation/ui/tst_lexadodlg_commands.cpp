// The main window's commands on the words and libraries under the offscreen platform, with
// real files in a program folder of their own: the keys, the mouse and the menu reach them, and
// they talk to the user through the window's own dialogs. Message boxes, file dialogs and the
// find dialog are answered in advance; the library dialogs are driven as a user would.

#include "tests/recitation/ui/WindowRig.h"

#include "controls/AnswersInAdvance.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "library/ui/CLibraryManagerDlg.h"
#include "recitation/ProgressFile.h"
#include "strings/StringTable.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the dialog of this type as soon as it is open and modal, then closes the
// dialog with Cancel if `act` left it open, so that no test can hang on it.
template <typename Dialog> void WhenOpen(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    poll->start(5);
}

// Picks a name from the choose-library dialog's list as the mouse does.
void Pick(CChooseLibraryDlg& dialog, int index) {
    auto* names = dialog.findChild<QComboBox*>("names");
    names->setCurrentIndex(index);
    emit names->activated(index);
}

QByteArrayList Names(const CChooseLibraryDlg& dialog) {
    const auto* names = dialog.findChild<QComboBox*>("names");
    QByteArrayList list;
    for (int i = 0; i < names->count(); ++i) {
        list.append(names->itemText(i).toUtf8());
    }
    return list;
}

} // namespace

class TestLexadoDlgCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnswersInAdvance::Enable(true); }
    void init() { AnswersInAdvance::Clear(); }

    // A memory.sqlite that is no database is moved aside at start with one message once the
    // window is up, and a new memory takes Ctrl+K; neither the library nor Lexado.ini is
    // written.
    void brokenMemoryIsMovedAsideAtStart() {
        WindowRig rig(QuietSettings(), {"apple#苹果", "pear#梨"});
        QVERIFY(rig.folder.write("memory.sqlite", QByteArray(4096, 'x')));
        const QByteArray library = rig.folder.read("data/words.dat");
        const QByteArray record = rig.folder.read("Lexado.ini");
        QVERIFY(rig.show());
        const QString aside = "memory.sqlite.broken-" + QDate::currentDate().toString(Qt::ISODate);
        QTRY_COMPARE(AnswersInAdvance::Messages(),
                     QStringList{StringText(StringId::MemoryMovedAside).arg(aside)});
        QTest::keyClick(rig.window.get(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(rig.window->state().currentLine, QByteArray("pear#梨"));
        QCOMPARE(AnswersInAdvance::Messages().size(), 1);
        QCOMPARE(rig.folder.read("data/words.dat"), library);
        QCOMPARE(rig.folder.read("Lexado.ini"), record);
    }

    // With its mode off, the memory is opened once the window has been painted, with no command
    // given.
    void memoryOpensOnceTheWindowIsPainted() {
        WindowRig rig(QuietSettings(), {"apple#苹果", "pear#梨"});
        rig.open();
        QVERIFY(!rig.folder.exists("memory.sqlite"));
        rig.window->show();
        QTRY_VERIFY(rig.folder.exists("memory.sqlite"));
    }

    // The statistics window comes from a module beside the program, which a test has not.
    void statisticsWithoutTheirModuleSayWhy() {
        WindowRig rig(QuietSettings(), {"apple#苹果", "pear#梨"});
        QVERIFY(rig.show());
        QTest::keyClick(rig.window.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(AnswersInAdvance::Messages().size(), 1);
        QVERIFY(AnswersInAdvance::Messages().front().startsWith(
            StringText(StringId::StatsModuleMissing).arg(QString())));
        QVERIFY(AnswersInAdvance::Messages().front().contains("lexado_statistics.so"));
    }

    // The shortcuts and the double-click run the commands; their questions, messages, file
    // dialog and find dialog are the window's.
    void keysAndMouseReachTheCommands() {
        SettingsRecord s = QuietSettings();
        s.confirmActions = true;
        s.doubleClickAction = 1; // add to the new-word book
        WindowRig rig(s, {"apple#苹果", "pear#梨", "fig#无花果"});
        rig.folder.write("data/b.dat", "b#乙\r\n");
        SettingsRecord b = QuietSettings();
        SetNameField(b.libraryFile, "b.dat");
        QVERIFY(WriteProgressFile(rig.folder.filePath("b.sav"), b));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(rig.folder.read("data/New_Word.dat"), QByteArray("apple#苹果\r\napple#苹果\r\n"));
        AnswersInAdvance::Queue(MessageAnswer::Yes);
        QTest::keyClick(&w, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(w.library().words().toList(), (QByteArrayList{"pear#梨", "fig#无花果"}));
        AnswersInAdvance::Queue(QStringLiteral("fig"));
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(w.displayLine().word, QStringLiteral("fig"));
        AnswersInAdvance::Queue(rig.folder.filePath("b.sav"));
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.state().currentLine, QByteArray("b#乙"));
        const QString added = StringText(StringId::WordAddedToNewWordBook);
        QCOMPARE(AnswersInAdvance::Messages(),
                 (QStringList{added, added, StringText(StringId::ConfirmDeleteWord)}));
        QCOMPARE(AnswersInAdvance::FileDialogs().constFirst().filter,
                 QString::fromLatin1(kProgressFileFilter));
        QVERIFY(TimersRun(w));
    }

    // Ctrl+W opens the choose-library dialog over the window; the library picked there
    // becomes the one on show.
    void chooseLibraryDialogPicksTheLibrary() {
        WindowRig rig(QuietSettings(), Entries("w", 120));
        rig.folder.write("data/three.dat", Entries("t", 3).join("\r\n") + "\r\n");
        rig.folder.write("table.ini", "TOEFL#words.dat\r\nThree#three.dat\r\n");
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget* parent = nullptr;
        WhenOpen<CChooseLibraryDlg>([&](CChooseLibraryDlg& dialog) {
            parent = dialog.parentWidget();
            Pick(dialog, 1);
            dialog.accept();
        });
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(parent, &w);
        QCOMPARE(NameField(w.settings().libraryName), "Three");
        QCOMPARE(w.state().currentLine, QByteArray("t0#意思0"));
    }

    void managerEditsLastTheRunWithoutOk() {
        const QByteArray table = "TOEFL#words.dat\r\n";
        WindowRig rig(QuietSettings(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;

        bool timersStopped = false;
        WhenOpen<CLibraryManagerDlg>([&](CLibraryManagerDlg& dialog) {
            timersStopped = !TimersRun(w);
            QCOMPARE(dialog.windowTitle(), StringText(StringId::LibraryManagerCaption));
            dialog.findChild<QLineEdit*>("name")->setText(QStringLiteral("GRE"));
            dialog.findChild<QComboBox*>("file")->setEditText(QStringLiteral("gre.dat"));
            QTest::mouseClick(dialog.findChild<QPushButton*>("add"), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        w.RunCommand(CommandId::LibraryManager);
        QVERIFY(timersStopped);
        QVERIFY(TimersRun(w));
        QCOMPARE(rig.folder.read("table.ini"), table);
        QCOMPARE(NameField(w.settings().libraryFile), "words.dat");

        QByteArrayList offered;
        WhenOpen<CChooseLibraryDlg>([&](CChooseLibraryDlg& dialog) { offered = Names(dialog); });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(offered, (QByteArrayList{"TOEFL", "GRE"}));
    }
};

QTEST_MAIN(TestLexadoDlgCommands)
#include "tst_lexadodlg_commands.moc"
