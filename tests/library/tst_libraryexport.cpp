#include "library/ImportSummary.h"
#include "library/LibraryExport.h"
#include "library/LibraryImport.h"
#include "strings/StringTable.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WordLists.h"

#include <QStringEncoder>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestLibraryExport : public QObject {
    Q_OBJECT

private slots:
    // The exact text flashcard programs are given: UTF-8 whatever the line's encoding, fields
    // with a tab or a quote in quotes, an empty phonetic where there is none.
    void writesTabSeparatedText() {
        ProgramFolder folder;
        QStringEncoder gb18030("GB18030");
        folder.write("data/mixed.dat", "apple#苹果#ˈæpəl\r\nbook#书\r\n" +
                                           QByteArray(gb18030.encode(u"cat#猫咪")) +
                                           "\r\ntab\tbed#\"quoted\" bed#p#q\r\nno hash\r\n");

        const ExportResult result =
            ExportLibrary(folder.path(), "mixed.dat", folder.filePath("mixed.txt"));
        QCOMPARE(result.error, ExportError::None);
        QCOMPARE(result.entries, 5);
        QCOMPARE(folder.read("mixed.txt"), "#separator:tab\n#html:false\n"
                                           "#columns:Word\tMeaning\tPhonetic\n"
                                           "apple\t苹果\tˈæpəl\n"
                                           "book\t书\t\n"
                                           "cat\t猫咪\t\n"
                                           "\"tab\tbed\"\t\"\"\"quoted\"\" bed\"\tp#q\n"
                                           "\tno hash\t\n");
        QCOMPARE(ExportSummary(result), QStringLiteral("已导出 5 个词条。"));

        // Imported again: the same entries, now all UTF-8; the line without a word stays out.
        const ImportResult back =
            ImportWordListIntoCatalogueFile(folder.path(), {folder.filePath("mixed.txt"), {}, {}});
        QCOMPARE(back.fileName, "mixed-2.dat");
        QCOMPARE(back.skipped[SkipReason::EmptyWord], 1);
        QCOMPARE(folder.read("data/mixed-2.dat"), "apple#苹果#ˈæpəl\r\nbook#书\r\ncat#猫咪\r\n"
                                                  "tab\tbed#\"quoted\" bed#p＃q\r\n");
    }

    // Export and import again give the sample library back byte for byte.
    void roundTripKeepsTheSampleLibrary() {
        ProgramFolder folder;
        QFile sample(LEXADO_SAMPLE_LIBRARY);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray library = sample.readAll();
        folder.write("data/TOEFL.dat", library);
        folder.write("table.ini", "TOEFL#TOEFL.dat\r\n");

        const LibraryCatalogue catalogue = ReadCatalogue(folder.path());
        const std::optional<QByteArray> file = LibraryFileNamed(catalogue, "TOEFL");
        QCOMPARE(file, QByteArray("TOEFL.dat"));
        QCOMPARE(ExportLibrary(folder.path(), *file, folder.filePath("TOEFL.tsv")).entries, 2039);
        const ImportResult result =
            ImportWordListIntoCatalogueFile(folder.path(), {folder.filePath("TOEFL.tsv"), {}, {}});
        QCOMPARE(result.libraryName, "TOEFL-2");
        QCOMPARE(folder.read("data/TOEFL-2.dat"), library);
    }

    void refusesAMissingLibrary() {
        ProgramFolder folder;
        folder.write("data/empty.dat", "");
        const LibraryCatalogue catalogue = ListOf({"TOEFL#TOEFL.dat", "Empty#empty.dat"});
        QCOMPARE(LibraryFileNamed(catalogue, "empty.dat"), QByteArray("empty.dat"));
        QCOMPARE(LibraryFileNamed(catalogue, "GRE"), std::nullopt);

        const ExportResult missing =
            ExportLibrary(folder.path(), "TOEFL.dat", folder.filePath("out.tsv"));
        QCOMPARE(missing.error, ExportError::LibraryNotFound);
        QVERIFY(!folder.exists("out.tsv"));
        QCOMPARE(ExportSummary(missing), QStringLiteral("未找到该词库文件"));

        QCOMPARE(ExportLibrary(folder.path(), "empty.dat", folder.filePath("out.tsv")).entries, 0);
        QCOMPARE(folder.read("out.tsv"),
                 "#separator:tab\n#html:false\n#columns:Word\tMeaning\tPhonetic\n");
        QCOMPARE(
            ExportLibrary(folder.path(), "empty.dat", folder.filePath("no/such/dir.tsv")).error,
            ExportError::CannotWrite);
    }

    // A failed write says why after string 105, when the system tells.
    void writeFailureSaysWhy_data() {
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("reason");
        const QString folder = StringText(StringId::CannotWriteInFolder).arg("/out");
        for (const int errorNumber : {EACCES, EPERM, EROFS, ENOENT, ENOTDIR}) {
            QTest::addRow("%s", strerror(errorNumber)) << errorNumber << " " + folder;
        }
        for (const int errorNumber : {ENOSPC, EDQUOT}) {
            QTest::addRow("%s", strerror(errorNumber))
                << errorNumber << " " + StringText(StringId::DiskFull);
        }
        QTest::newRow("other") << EIO << QString();
        QTest::newRow("none") << 0 << QString();
    }

    void writeFailureSaysWhy() {
        QFETCH(int, errorNumber);
        QFETCH(QString, reason);
        ExportResult result;
        result.error = ExportError::CannotWrite;
        result.writeFailure = WriteFailureOf(errorNumber);
        result.folder = "/out";
        QCOMPARE(ExportSummary(result), StringText(StringId::WriteFileError) + reason);
    }
};

QTEST_GUILESS_MAIN(TestLibraryExport)
#include "tst_libraryexport.moc"
