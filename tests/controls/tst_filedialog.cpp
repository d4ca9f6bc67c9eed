// The file dialog wrapper with the real save-as dialog under the offscreen platform: one
// filter, the suffix added to a bare name, no question on overwriting.

#include "controls/FileDialog.h"
#include "tests/support/ProgramFolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QtTest>

class TestFileDialog : public QObject {
    Q_OBJECT

private slots:
    void saveDialogAddsTheSuffixAndDoesNotAsk() {
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
        QCOMPARE(offered, QStringLiteral("save(*.sav) sav"));
        QCOMPARE(chosen.value_or(QString()), folder.filePath("place.sav"));
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
