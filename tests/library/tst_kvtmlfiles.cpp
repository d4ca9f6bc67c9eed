#include "library/LibraryImport.h"
#include "tests/support/ProgramFolder.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

// The word lists that desktop distributions ship (Debian's kdeedu-kvtml-data), each imported
// and compared with what a plain second reading of the file finds in it.

namespace {

const QString kFolder = QStringLiteral("/usr/share/apps/kvtml");

QString Unescaped(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&apos;", "'")
        .replace("&amp;", "&")
        .trimmed();
}

QString FirstElementText(const QString& xml, const QString& element) {
    const QRegularExpression pattern("<" + element + ">(.*?)</" + element + ">",
                                     QRegularExpression::DotMatchesEverythingOption);
    return Unescaped(pattern.match(xml).captured(1));
}

// What the files of the package hold, read with patterns: one language per file, so the word
// of an entry is its first <text> and the meaning its first <comment>.
struct Expected {
    QByteArray library;
    int entries = 0;
    int inactive = 0;
    int emptyWords = 0;
    QString title;
};

Expected ReadByPatterns(const QString& xml) {
    Expected expected;
    // At most 19 bytes, cut between characters.
    for (const QChar c : FirstElementText(xml, "title").simplified()) {
        if ((expected.title + c).toUtf8().size() > 19) {
            break;
        }
        expected.title += c;
    }
    const QRegularExpression entryPattern("<entry[ >](.*?)</entry>",
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& entry : entryPattern.globalMatch(xml)) {
        const QString body = entry.captured(1);
        if (body.contains("<inactive>true</inactive>")) {
            ++expected.inactive;
            continue;
        }
        const QString word = FirstElementText(body, "text");
        const QString meaning = FirstElementText(body, "comment").replace('\n', ' ');
        if (word.isEmpty()) {
            expected.emptyWords += meaning.isEmpty() ? 0 : 1;
            continue;
        }
        expected.library += (word + '#' + meaning).toUtf8() + "\r\n";
        ++expected.entries;
    }
    return expected;
}

bool IsEnglish(const QString& xml) {
    return FirstElementText(xml, "locale").startsWith("en", Qt::CaseInsensitive);
}

} // namespace

class TestKvtmlFiles : public QObject {
    Q_OBJECT

private slots:
    void importsEveryList_data() {
        QTest::addColumn<QString>("path");
        QDirIterator files(kFolder, {"*.kvtml"}, QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        for (; files.hasNext(); ++count) {
            const QString path = files.next();
            QTest::newRow(qPrintable(path.mid(kFolder.size() + 1))) << path;
        }
        QVERIFY2(count > 300, "kdeedu-kvtml-data is missing: run scripts/install-deps.sh");
    }

    // English lists are imported into a program folder: the library file holds the file's
    // active entries, the catalogue names it after the list's title. Every other list is
    // converted in memory the same way, without asking for an English phonetic; lists of the
    // old format and files with bytes their encoding does not allow are refused.
    void importsEveryList() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString xml = QString::fromUtf8(bytes);

        if (!xml.contains(QRegularExpression("<kvtml version=\"2"))) {
            QCOMPARE(ConvertWordList(bytes).error, ImportError::OldKvtml);
            return;
        }
        if (!QByteArrayView(bytes).isValidUtf8()) {
            QCOMPARE(ConvertWordList(bytes).error, ImportError::Malformed);
            return;
        }
        QCOMPARE(xml.count("<identifier "), 1);
        const Expected expected = ReadByPatterns(xml);

        if (!IsEnglish(xml)) {
            const ConvertedWordList converted = ConvertWordList(
                bytes, [](const QString& word) { return QStringLiteral("asked for ") + word; });
            QCOMPARE(converted.lines.text().split('\n'), expected.library.split('\n'));
            QCOMPARE(converted.lines.withheldPhonetics().otherLanguage, expected.entries);
            QCOMPARE(converted.lines.skipped()[SkipReason::Inactive], expected.inactive);
            QCOMPARE(converted.lines.skipped()[SkipReason::EmptyWord], expected.emptyWords);
            return;
        }
        ProgramFolder folder;
        folder.write("table.ini", "TOEFL#TOEFL.dat\r\n");
        const ImportResult result = ImportWordListIntoCatalogueFile(folder.path(), {path, {}, {}});
        if (expected.entries == 0) {
            QCOMPARE(result.error, ImportError::NoEntries);
            QCOMPARE(folder.read("table.ini"), "TOEFL#TOEFL.dat\r\n");
            return;
        }
        QVERIFY(result.ok());
        QCOMPARE(result.entries, expected.entries);
        QCOMPARE(result.skipped[SkipReason::Inactive], expected.inactive);
        QCOMPARE(result.skipped[SkipReason::EmptyWord], expected.emptyWords);
        QCOMPARE(QString::fromUtf8(result.libraryName), expected.title);
        QCOMPARE(folder.read("data/" + QString::fromUtf8(result.fileName)), expected.library);
        QCOMPARE(folder.read("table.ini"),
                 "TOEFL#TOEFL.dat\r\n" + result.libraryName + '#' + result.fileName + "\r\n");
    }
};

QTEST_GUILESS_MAIN(TestKvtmlFiles)
#include "tst_kvtmlfiles.moc"
