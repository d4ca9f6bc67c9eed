// The interface languages and the help of the main window under the offscreen platform: a
// language chosen from the menu applies to what opens afterwards and to nothing on the screen;
// F1 and the help row open the help of the language in use, which goes with the window.

#include "tests/recitation/ui/WindowMenu.h"
#include "tests/recitation/ui/WindowRig.h"
#include "tests/support/VisibleWindows.h"

#include "app/ui/CHelpViewer.h"
#include "controls/AnswersInAdvance.h"
#include "strings/LanguageSwitch.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

const QString kBuiltLanguages = QStringLiteral(LEXADO_OUTPUT_DIR "/language");
constexpr int kPauseRow = 0;
constexpr int kLanguageRow = 18;

// A language folder of its own: the program's own language and English; Korean, which no
// command may load, as a copy of English; an unreadable Japanese; no Traditional Chinese.
bool MakeLanguageFolder(const QTemporaryDir& folder) {
    const auto copy = [&](const char* from, const char* to) {
        return QFile::copy(kBuiltLanguages + u'/' + QLatin1String(from) + ".qm",
                           folder.filePath(QLatin1String(to) + ".qm"));
    };
    QFile japanese(folder.filePath(QStringLiteral("Japanese.qm")));
    return copy("pChinese", "pChinese") && copy("English", "English") &&
           copy("English", "Korean") && japanese.open(QIODevice::WriteOnly) &&
           japanese.write("not a language file") > 0;
}

// What the next menu shows: its first row and the rows of the language sub-menu that carry
// the check mark.
struct MenuSeen {
    QString firstRow;
    QList<int> checked;
};

MenuSeen NextMenu(CLexadoDlg& window) {
    MenuSeen seen;
    const bool shown = RightClick(window, {5, 5}, {[&] {
                                      seen.firstRow = Rows().at(kPauseRow).text;
                                      const MenuDescription& languages =
                                          Rows().at(kLanguageRow).subMenu;
                                      for (int row = 0; row < languages.size(); ++row) {
                                          if (languages.at(row).checked) {
                                              seen.checked << row;
                                          }
                                      }
                                      PressKey(Qt::Key_Escape);
                                  }});
    if (!shown) {
        seen.firstRow = QStringLiteral("<no menu>");
    }
    return seen;
}

// The About box the window opens: its title and the text of its button.
QStringList AboutBoxSeen(CLexadoDlg& window) {
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box) {
            seen << box->windowTitle() << box->findChild<QPushButton*>()->text();
            static_cast<QDialog*>(box)->reject();
        }
    });
    window.RunCommand(CommandId::About);
    return seen;
}

QString ChinesePause() {
    return QString::fromUtf8("暂停(&P)") + QString(5, QChar(0x3000)) + QStringLiteral("Ctrl+P ");
}

// The English row: its label, the padding and its shortcut.
bool IsEnglishPause(const QString& row) {
    return row.startsWith(QStringLiteral("&Pause  ")) && row.endsWith(QStringLiteral(" Ctrl+P")) &&
           row.mid(6, row.size() - 13).trimmed().isEmpty();
}

} // namespace

class TestLexadoDlgLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AnswersInAdvance::Enable(true); }

    // Before any choice the check mark stands on the language in use. English, once chosen,
    // speaks in the next menu, message, dialog and tooltip, while the entry on the screen
    // stays as it was drawn. A language whose file is missing or unreadable changes nothing,
    // nor does Korean, which has no command behind it; the program's own language comes back.
    void languageAppliesToWhatOpensNext() {
        QTemporaryDir languageFolder;
        QVERIFY(MakeLanguageFolder(languageFolder));
        LanguageSwitch languages(languageFolder.path());
        QVERIFY(languages.LoadStartupLanguage(QStringLiteral("pChinese")));
        SettingsRecord settings = QuietSettings();
        SetNameField(settings.libraryFile, "missing.dat"); // shows a message of the program
        WindowRig rig(settings);
        CLexadoDlg window(rig.folder.path(), QStringLiteral(LEXADO_OUTPUT_DIR), languages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const MenuSeen first = NextMenu(window);
        QCOMPARE(first.firstRow, ChinesePause());
        QCOMPARE(first.checked, QList<int>{0});
        const QString entry = window.displayLine().meaning;
        QCOMPARE(entry, QString::fromUtf8("无该词库文件"));

        const QRect place = window.geometry();
        const QImage picture = window.grab().toImage();
        window.RunCommand(CommandId::LanguageEnglish);
        QCOMPARE(languages.LanguageInUse(), QStringLiteral("English"));
        QTest::qWait(50);
        QCOMPARE(window.displayLine().meaning, entry);
        QCOMPARE(window.geometry(), place);
        QCOMPARE(window.grab().toImage(), picture);

        const MenuSeen english = NextMenu(window);
        QVERIFY2(IsEnglishPause(english.firstRow), qPrintable(english.firstRow));
        QCOMPARE(english.checked, QList<int>{2});
        AnswersInAdvance::Clear();
        window.RunCommand(CommandId::ClearNewWordBook);
        QCOMPARE(AnswersInAdvance::Messages(),
                 QStringList{QStringLiteral("Clear the new-word book?")});
        QCOMPARE(AboutBoxSeen(window), (QStringList{"About Lexado", "OK"}));
        QTest::mouseMove(&window, QPoint(6, 6));
        QCOMPARE(window.toolTip(), QStringLiteral("TOEFL (No. 1 of the groups, word no. 50)"));

        for (const CommandId command : {CommandId::LanguageTraditionalChinese,
                                        CommandId::LanguageJapanese, CommandId::LanguageKorean}) {
            window.RunCommand(command);
            QCOMPARE(languages.LanguageInUse(), QStringLiteral("English"));
        }
        const MenuSeen unchanged = NextMenu(window);
        QVERIFY2(IsEnglishPause(unchanged.firstRow), qPrintable(unchanged.firstRow));
        QCOMPARE(unchanged.checked, QList<int>{2});

        window.RunCommand(CommandId::LanguageSimplifiedChinese);
        const MenuSeen chinese = NextMenu(window);
        QCOMPARE(chinese.firstRow, ChinesePause());
        QCOMPARE(chinese.checked, QList<int>{0});
    }

    // F1 without Shift and the help row open one help window on the page of the language in
    // use; Shift+F1 does not. The help window goes with the main window.
    void helpFollowsTheLanguageAndGoesWithTheWindow() {
        LanguageSwitch languages(kBuiltLanguages);
        QVERIFY(languages.LoadLanguage(QStringLiteral("English")));
        WindowRig rig(QuietSettings());
        const QString resources = QStringLiteral(LEXADO_OUTPUT_DIR);
        auto window = std::make_unique<CLexadoDlg>(rig.folder.path(), resources, languages,
                                                   HelpViewerWindows(resources));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(VisibleWindowsOf<CHelpViewer>().isEmpty());
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(VisibleWindowsOf<CHelpViewer>().size(), 1);
        QPointer<CHelpViewer> viewer = VisibleWindowsOf<CHelpViewer>().constFirst();
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Lexado Help"));
        QTest::keyClick(window.get(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(VisibleWindowsOf<CHelpViewer>(), QList<CHelpViewer*>{viewer});

        window->RunCommand(CommandId::LanguageSimplifiedChinese);
        window->RunCommand(CommandId::Help);
        QCOMPARE(VisibleWindowsOf<CHelpViewer>(), QList<CHelpViewer*>{viewer});
        QCOMPARE(viewer->windowTitle(), QString::fromUtf8("Lexado 帮助"));

        window.reset();
        QVERIFY(VisibleWindowsOf<CHelpViewer>().isEmpty());
        QTRY_VERIFY(viewer.isNull());
    }
};

QTEST_MAIN(TestLexadoDlgLanguage)
#include "tst_lexadodlg_language.moc"
