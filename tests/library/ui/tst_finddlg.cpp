// The find dialog under the offscreen platform: its caption and buttons, its place in the
// middle of the screen, and the text it returns as typed.

#include "library/ui/CFindDlg.h"
#include "strings/StringTable.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestFindDlg : public QObject {
    Q_OBJECT

private slots:
    void findDialog() {
        CFindDlg dialog;
        QCOMPARE(dialog.windowTitle(), StringText(StringId::FindCaption));
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), StringText(StringId::ButtonOk));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), StringText(StringId::ButtonCancel));
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - centre).manhattanLength() <= 2);

        auto* edit = dialog.findChild<QLineEdit*>();
        QVERIFY(edit->text().isEmpty());
        edit->setText(QStringLiteral(" appli"));
        box->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.searchText(), QStringLiteral(" appli"));
    }
};

QTEST_MAIN(TestFindDlg)
#include "tst_finddlg.moc"
