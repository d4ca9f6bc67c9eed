// The library commands of the main window under the offscreen platform, with a real table.ini
// and data/ in a program folder of their own: choosing a library and the library manager. The
// dialogs are driven as a user would, once they are open; message boxes are answered in
// advance.

#include "tests/recitation/ui/WindowRig.h"

#include "controls/MessageBox.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "library/ui/CLibraryManagerDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// A second library in the catalogue after the window's own: Three, of the entries t0 to t2.
// The catalogue may name further libraries after it.
void AddLibraryThree(const WindowRig& rig, const QByteArray& furtherLibraries = {}) {
    rig.folder.write("data/three.dat", Entries("t", 3).join("\r\n") + "\r\n");
    rig.folder.write("table.ini", "TOEFL#words.dat\r\nThree#three.dat\r\n" + furtherLibraries);
}

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

// The settings of a quiet window in groups of 50 shown once each, in order, with the bar on so
// that both timers run.
SettingsRecord Grouped() {
    SettingsRecord s = QuietSettings();
    s.grouping = true;
    s.orderedBrowse = true;
    s.groupSize = 50;
    s.groupRepeats = 1;
    s.showProgressBar = true;
    s.confirmActions = false;
    return s;
}

} // namespace

class TestLexadoDlgLibraries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBoxAnswers::Enable(true); }
    void init() { MessageBoxAnswers::Clear(); }

    void chosenLibraryStartsAtItsBeginning() {
        SettingsRecord s = Grouped();
        s.groupNumber = 2;
        s.position = 10;
        WindowRig rig(s, Entries("w", 120));
        AddLibraryThree(rig);
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QCOMPARE(w.state().currentIndex, 60);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        bool timersStopped = false;
        WhenOpen<CChooseLibraryDlg>([&](CChooseLibraryDlg& dialog) {
            timersStopped = w.engine().runningTimers() == RunningTimers{};
            Pick(dialog, 1);
            dialog.accept();
        });
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(timersStopped);
        QVERIFY(TimersRun(w));
        QCOMPARE(NameField(w.settings().libraryFile), "three.dat");
        QCOMPARE(NameField(w.settings().libraryName), "Three");
        QCOMPARE(w.library().words().toList(), Entries("t", 3));
        QCOMPARE(w.settings().groupSize, 3);
        QCOMPARE(w.settings().groupNumber, 1);
        QCOMPARE(w.settings().repeatCount, 0);
        QCOMPARE(w.settings().position, 1); // the first entry is on show
        QCOMPARE(w.state().currentLine, QByteArray("t0#意思0"));
        QVERIFY(MessageBoxAnswers::Shown().isEmpty());
    }

    // Paused, the first entry of the chosen library stays on show with its meaning.
    void chosenWhilePausedShowsTheMeaning() {
        WindowRig rig(Grouped(), Entries("w", 120));
        AddLibraryThree(rig);
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.RunCommand(CommandId::Pause);
        WhenOpen<CChooseLibraryDlg>([](CChooseLibraryDlg& dialog) {
            Pick(dialog, 1);
            dialog.accept();
        });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(w.state().currentLine, QByteArray("t0#意思0"));
        QVERIFY(w.state().paused);
        QVERIFY(w.state().meaningShown);
        QVERIFY(w.engine().runningTimers().wordPeriodMs == 0);
    }

    void cancelKeepsTheLibraryAndMovesOn() {
        WindowRig rig(Grouped(), Entries("w", 120));
        AddLibraryThree(rig, "Gone#gone.dat\r\n");
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QCOMPARE(w.state().currentIndex, 0);

        WhenOpen<CChooseLibraryDlg>([](CChooseLibraryDlg& dialog) {
            Pick(dialog, 1);
            dialog.reject();
        });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(NameField(w.settings().libraryFile), "words.dat");
        QCOMPARE(NameField(w.settings().libraryName), "TOEFL");
        QCOMPARE(w.library().words().toList(), Entries("w", 120));
        QCOMPARE(w.state().currentIndex, 1);
        QVERIFY(TimersRun(w));

        // A library that cannot be read: message 103, and OK then changes nothing either.
        WhenOpen<CChooseLibraryDlg>([](CChooseLibraryDlg& dialog) {
            Pick(dialog, 2);
            dialog.accept();
        });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(MessageBoxAnswers::Shown(), QStringList{QStringLiteral("未找到该词库文件")});
        QCOMPARE(NameField(w.settings().libraryFile), "words.dat");
        QCOMPARE(w.library().entryCount(), 120);
        QCOMPARE(w.state().currentIndex, 2);
    }

    void okWithoutAPickRestartsTheLibrary() {
        SettingsRecord s = Grouped();
        s.groupNumber = 2;
        s.position = 5;
        WindowRig rig(s, Entries("w", 120));
        rig.folder.write("table.ini", ""); // an empty catalogue offers nothing to pick
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QCOMPARE(w.state().currentIndex, 55);

        WhenOpen<CChooseLibraryDlg>([](CChooseLibraryDlg& dialog) {
            QVERIFY(Names(dialog).isEmpty());
            dialog.accept();
        });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(NameField(w.settings().libraryFile), "words.dat");
        QCOMPARE(w.library().entryCount(), 120);
        QCOMPARE(w.settings().groupNumber, 1);
        QCOMPARE(w.settings().groupSize, 50);
        QCOMPARE(w.state().currentIndex, 0);
    }

    void changedLibraryIsWrittenBeforeTheDialogOpens() {
        WindowRig rig(Grouped(), {"a#甲", "b#乙", "c#丙"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        w.RunCommand(CommandId::DeleteWord); // the entry on show, a#甲
        QVERIFY(w.library().dirty());

        QByteArray onDiskWhileOpen;
        WhenOpen<CChooseLibraryDlg>(
            [&](CChooseLibraryDlg&) { onDiskWhileOpen = rig.folder.read("data/words.dat"); });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(onDiskWhileOpen, QByteArray("b#乙\r\nc#丙\r\n"));
        QVERIFY(!w.library().dirty());
    }

    // The record keeps 19 bytes of a name; the display name is cut at a character boundary.
    void longDisplayNameIsCut() {
        WindowRig rig(Grouped(), Entries("w", 5));
        rig.folder.write("table.ini", "很长很长的词库名字啊#words.dat\r\n");
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        WhenOpen<CChooseLibraryDlg>([](CChooseLibraryDlg& dialog) {
            Pick(dialog, 0);
            dialog.accept();
        });
        w.RunCommand(CommandId::ChooseLibrary);
        QCOMPARE(NameField(w.settings().libraryName), "很长很长的词");
    }

    void managerEditsLastTheRunWithoutOk() {
        const QByteArray table = "TOEFL#words.dat\r\n";
        WindowRig rig(Grouped(), Entries("w", 5));
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;

        bool timersStopped = false;
        WhenOpen<CLibraryManagerDlg>([&](CLibraryManagerDlg& dialog) {
            timersStopped = (w.engine().runningTimers().wordPeriodMs == 0);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("库文件管理"));
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

QTEST_MAIN(TestLexadoDlgLibraries)
#include "tst_lexadodlg_libraries.moc"
