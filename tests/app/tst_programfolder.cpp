#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void homeArgumentThenPortableThenUserFolder() {
        QTemporaryDir exe;
        ProgramFolderSources sources{std::nullopt, exe.path(), "/home/u/.local/share/lexado"};
        QCOMPARE(ChooseProgramFolder(sources), sources.userDataFolder);

        WriteFile(exe.filePath("table.ini"), "TOEFL#TOEFL.dat\r\n");
        QCOMPARE(ChooseProgramFolder(sources), exe.path());

        sources.home = QStringLiteral("/tmp/h1/../h2");
        QCOMPARE(ChooseProgramFolder(sources), QStringLiteral("/tmp/h2"));
    }

    void resourcesBesideTheProgramOrInstalled() {
        QTemporaryDir exe;
        QCOMPARE(ResourceFolder(exe.filePath("bin")), exe.filePath("share/lexado"));
        QDir(exe.path()).mkpath("bin/language");
        QCOMPARE(ResourceFolder(exe.filePath("bin")), exe.filePath("bin"));
    }

    void firstStartReceivesTheSamples() {
        QTemporaryDir resources;
        QDir(resources.path()).mkpath("sample/data");
        WriteFile(resources.filePath("sample/table.ini"), "TOEFL#TOEFL.dat\r\n");
        WriteFile(resources.filePath("sample/data/TOEFL.dat"), "abandon#v. 放弃\r\n");
        WriteFile(resources.filePath("sample/data/New_Word.dat"), "");
        QFile::setPermissions(resources.filePath("sample/table.ini"), QFileDevice::ReadOwner);

        QTemporaryDir home;
        const QString folder = home.filePath("a/b/lexado");
        QCOMPARE(PrepareProgramFolder(folder, resources.path()), folder);
        QCOMPARE(ReadFile(folder + "/table.ini"), QByteArray("TOEFL#TOEFL.dat\r\n"));
        QCOMPARE(ReadFile(folder + "/data/TOEFL.dat"), QByteArray("abandon#v. 放弃\r\n"));
        QCOMPARE(ReadFile(folder + "/data/New_Word.dat"), QByteArray());
        QVERIFY(QFileInfo(folder + "/table.ini").permissions() & QFileDevice::WriteOwner);

        // A folder that has its catalogue is left as the user made it.
        WriteFile(folder + "/table.ini", "Mine#mine.dat\r\n");
        QFile::remove(folder + "/data/TOEFL.dat");
        QCOMPARE(PrepareProgramFolder(folder, resources.path()), folder);
        QCOMPARE(ReadFile(folder + "/table.ini"), QByteArray("Mine#mine.dat\r\n"));
        QVERIFY(!QFile::exists(folder + "/data/TOEFL.dat"));
    }

    void folderThatCannotBeMade() {
        QTemporaryDir home;
        WriteFile(home.filePath("file"), "x");
        QVERIFY(!PrepareProgramFolder(home.filePath("file/lexado"), home.path()));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
