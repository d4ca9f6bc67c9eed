// The About box: its texts and fonts, links that name their targets only in their tooltips,
// its place on the screen, and Enter closing it.

#include "controls/CAboutDlg.h"
#include "controls/CLinkStatic.h"
#include "controls/CStyledLabel.h"
#include "controls/LabelRules.h"
#include "strings/StringTable.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void showsItsTextsAndClosesOnEnter() {
        CAboutDlg box;
        QCOMPARE(box.windowTitle(), StringText(StringId::AboutCaption));
        const auto* version = box.findChild<CStyledLabel*>("version");
        const auto* copyright = box.findChild<CStyledLabel*>("copyright");
        QVERIFY(version && copyright);
        // The text is the string table's; it must name the version the build was made as.
        QCOMPARE(version->text(), QStringLiteral("Lexado " LEXADO_VERSION));
        QCOMPARE(copyright->text(), StringText(StringId::AboutCopyright));
        QCOMPARE(version->font().pixelSize(), PointSizePixels(10, version->logicalDpiY()));
        QCOMPARE(copyright->font().pixelSize(), PointSizePixels(9, copyright->logicalDpiY()));

        const auto* homePage = box.findChild<CLinkStatic*>("homePage");
        const auto* mail = box.findChild<CLinkStatic*>("mail");
        QVERIFY(homePage && mail);
        QCOMPARE(homePage->text(), StringText(StringId::AboutHomePage));
        QCOMPARE(homePage->toolTip(), QStringLiteral(LEXADO_HOME_PAGE));
        QCOMPARE(mail->text(), StringText(StringId::AboutWriteToAuthor));
        QCOMPARE(mail->toolTip(), QStringLiteral(LEXADO_MAIL));
        QVERIFY(!homePage->font().underline() && !mail->font().underline());
        QVERIFY(box.findChild<QLabel*>() && !box.findChild<QLabel*>()->pixmap().isNull());

        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((box.frameGeometry().center() - middle).manhattanLength() <= 2);

        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
