// The real program's import from the command line transcribes, and plays nothing: it leaves
// the desktop's sound server alone, whose clients make a folder in the user's runtime folder.

#include "library/TextFile.h"

#include <QProcess>
#include <QtTest>

class TestTranscriptionWithoutSound : public QObject {
    Q_OBJECT

private slots:
    void importDoesNotReachTheSoundServer() {
        const QTemporaryDir temp;
        const QDir runtime(temp.path());
        QVERIFY(runtime.mkpath("home"));
        QVERIFY(ReplaceFileContents(temp.filePath("home/list.csv"), "ox,牛\r\n"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("PULSE_SERVER");
        environment.insert("XDG_RUNTIME_DIR", temp.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(LEXADO_BINARY, {"--import", temp.filePath("home/list.csv"), "--home",
                                      temp.filePath("home")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(ReadWholeFile(temp.filePath("home/data/list.dat")).value_or(""),
                 QByteArray("ox#牛#ˈɒks\r\n"));
        QCOMPARE(runtime.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("home"));
    }
};

QTEST_GUILESS_MAIN(TestTranscriptionWithoutSound)
#include "tst_transcriptionwithoutsound.moc"
