// The help window on the help pages beside the program, under the offscreen platform.

#include "app/ui/CHelpViewer.h"
#include "tests/support/VisibleWindows.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kResources = QStringLiteral(LEXADO_OUTPUT_DIR);

QString PagePath(const QString& folder, const QString& language) {
    return QDir(folder).filePath(QStringLiteral("help/%1/index.html").arg(language));
}

// A window of no owner, on the dialog's screen and clear of the dialog.
bool StandsBeside(const QWidget& help, const QWidget& dialog) {
    return !help.parentWidget() && !help.frameGeometry().intersects(dialog.frameGeometry()) &&
           dialog.screen()->availableGeometry().contains(help.frameGeometry());
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        CHelpViewer::CloseAll();
        QTRY_VERIFY(VisibleWindowsOf<CHelpViewer>().isEmpty());
    }

    // One help window, on the page of the language in use each time help is asked for, titled
    // with the page's title; its contents lead to every section.
    void showsThePageOfTheLanguageInUse() {
        QPointer<CHelpViewer> viewer = CHelpViewer::ShowHelp(kResources, QStringLiteral("German"));
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QCOMPARE(viewer->source().toLocalFile(), PagePath(kResources, QStringLiteral("German")));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Lexado-Hilfe"));
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("Tastenkürzel")));

        QCOMPARE(viewer->verticalScrollBar()->value(), 0);
        viewer->setSource(QUrl(QStringLiteral("#settings")));
        QVERIFY(viewer->verticalScrollBar()->value() > 0);

        QCOMPARE(CHelpViewer::ShowHelp(kResources, QStringLiteral("cChinese")), viewer.data());
        QCOMPARE(viewer->source().toLocalFile(), PagePath(kResources, QStringLiteral("cChinese")));
        QCOMPARE(viewer->windowTitle(), QString::fromUtf8("Lexado 說明"));
        QCOMPARE(VisibleWindowsOf<CHelpViewer>().size(), 1);

        QTest::keyClick(viewer, Qt::Key_Escape);
        QTRY_VERIFY(viewer.isNull());
    }

    // A language without a page gets the English one; without any page nothing opens.
    void fallsBackToEnglish() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("help/English")));
        QVERIFY(QFile::copy(PagePath(kResources, QStringLiteral("English")),
                            PagePath(folder.path(), QStringLiteral("English"))));
        CHelpViewer* viewer = CHelpViewer::ShowHelp(folder.path(), QStringLiteral("Japanese"));
        QVERIFY(viewer);
        QCOMPARE(viewer->source().toLocalFile(),
                 PagePath(folder.path(), QStringLiteral("English")));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Lexado Help"));

        QTemporaryDir empty;
        CHelpViewer::CloseAll();
        QVERIFY(!CHelpViewer::ShowHelp(empty.path(), QStringLiteral("English")));
        QVERIFY(VisibleWindowsOf<CHelpViewer>().isEmpty());
    }

    // Help asked for from a window-modal dialog (the settings sheet) belongs to no window: the
    // help window open, or a new one, stands beside the dialog, not over it, and stays when the
    // dialog goes.
    void helpFromAModalDialogStandsBesideIt() {
        QWidget mainWindow;
        QPointer<CHelpViewer> open = CHelpViewer::ShowHelp(kResources, QStringLiteral("English"));
        auto* dialog = new QDialog(&mainWindow);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setGeometry(20, 20, 300, 200);
        dialog->show();
        QPointer<CHelpViewer> viewer = CHelpViewer::ShowHelp(kResources, QStringLiteral("English"));
        QCOMPARE(viewer.data(), open.data());
        QVERIFY(StandsBeside(*viewer, *dialog));
        CHelpViewer::CloseAll();
        viewer = CHelpViewer::ShowHelp(kResources, QStringLiteral("English"));
        QVERIFY(viewer && StandsBeside(*viewer, *dialog));
        delete dialog;
        QVERIFY(viewer);
    }

    void closeAllClosesEveryHelpWindow() {
        QPointer<CHelpViewer> viewer = CHelpViewer::ShowHelp(kResources, QStringLiteral("English"));
        QVERIFY(viewer);
        CHelpViewer::CloseAll();
        QVERIFY(VisibleWindowsOf<CHelpViewer>().isEmpty());
        QTRY_VERIFY(viewer.isNull());
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
