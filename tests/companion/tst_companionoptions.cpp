// lexado.conf in a program folder of its own: the defaults, what a file says, what it says
// out of range, a broken file, and writing that keeps the keys of others.

#include "companion/CompanionOptions.h"
#include "tests/support/ProgramFolder.h"

#include <QtTest>

Q_DECLARE_METATYPE(CompanionOptions)

class TestCompanionOptions : public QObject {
    Q_OBJECT

private slots:
    void readsWhatTheFileSays_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<CompanionOptions>("expected");
        const CompanionOptions defaults;
        CompanionOptions set = defaults;
        set.idleSeconds = 0;
        set.pauseWhenLocked = false;
        set.trayIcon = false;
        set.pauseShortcut = QString();
        set.showShortcut = QStringLiteral("Meta+L");
        QTest::newRow("no file") << QByteArray() << defaults;
        QTest::newRow("set") << QByteArray("[Pause]\nidleSeconds=0\nwhenLocked=false\n"
                                           "[Tray]\nenabled=0\n"
                                           "[Shortcuts]\npause=\nshow=Meta+L\n")
                             << set;
        QTest::newRow("out of range") << QByteArray("[Pause]\nidleSeconds=-5\nwhenLocked=maybe\n"
                                                    "[Other]\nidleSeconds=3\n")
                                      << defaults;
        QTest::newRow("too long") << QByteArray("[Pause]\nidleSeconds=86401\n") << defaults;
        QTest::newRow("broken") << QByteArray("[Pause\nidleSeconds=3\n\xff\xfe=") << defaults;
    }
    void readsWhatTheFileSays() {
        QFETCH(QByteArray, file);
        QFETCH(CompanionOptions, expected);
        ProgramFolder folder;
        if (!file.isEmpty()) {
            folder.write("lexado.conf", file);
        }
        QCOMPARE(LoadCompanionOptions(folder.path()), expected);
    }

    // The options are written beside the keys of others, and read back as written; nothing is
    // left beside the file.
    void writesBesideOtherKeys() {
        ProgramFolder folder;
        folder.write("lexado.conf", "[Pause]\nidleSeconds=30\n[Memory]\nretention=0.9\n");
        CompanionOptions options;
        options.idleSeconds = 45;
        options.againShortcut = QStringLiteral("Ctrl+Alt+G");
        QVERIFY(SaveCompanionOptions(folder.path(), options));
        QCOMPARE(LoadCompanionOptions(folder.path()), options);
        const QByteArray written = folder.read("lexado.conf");
        QVERIFY(written.contains("[Memory]\nretention=0.9\n"));
        QVERIFY(written.contains("idleSeconds=45\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"lexado.conf"});
        QVERIFY(!SaveCompanionOptions(folder.filePath("no such folder"), options));
    }
};

QTEST_GUILESS_MAIN(TestCompanionOptions)
#include "tst_companionoptions.moc"
