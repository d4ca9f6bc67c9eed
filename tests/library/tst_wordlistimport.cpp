#include "library/ImportSummary.h"
#include "library/LibraryImport.h"
#include "strings/StringTable.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WordLists.h"

#include <QStringEncoder>
#include <QtTest>

namespace {

const QByteArray kCatalogue = "TOEFL#TOEFL.dat\r\n";

QByteArray Encoded(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QByteArray Gb18030(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

// A KVTML 2 file in the shape KWordQuiz and Parley write: Chinese and English, a
// pronunciation, a comment, inactive entries and an entry without its English word.
const QByteArray kKvtml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
    "<kvtml version=\"2.0\">\n"
    "  <information><generator>kwordquiz</generator><title>My  Words</title></information>\n"
    "  <identifiers>\n"
    "    <identifier id=\"0\"><name>中文</name><locale>zh_CN</locale></identifier>\n"
    "    <identifier id=\"1\"><name>English</name><locale>en_GB</locale></identifier>\n"
    "  </identifiers>\n"
    "  <entries>\n"
    "    <entry id=\"0\">\n"
    "      <inactive>false</inactive>\n"
    "      <translation id=\"0\"><text>苹果</text></translation>\n"
    "      <translation id=\"1\"><text>apple</text><pronunciation>ˈæpl</pronunciation>\n"
    "        <comparison><comparative>appler</comparative></comparison></translation>\n"
    "    </entry>\n"
    "    <entry id=\"1\"><inactive>true</inactive>\n"
    "      <translation id=\"1\"><text>gone</text></translation></entry>\n"
    "    <entry id=\"2\">\n"
    "      <translation id=\"1\"><text> book\n"
    "</text><comment>a thing to &lt;read&gt;</comment></translation>\n"
    "    </entry>\n"
    "    <entry id=\"3\"><translation id=\"0\"><text>没有英文</text></translation>\n"
    "      <translation id=\"1\"><text></text></translation></entry>\n"
    "    <entry id=\"4\"><deactivated>true</deactivated>\n"
    "      <translation id=\"1\"><text>old</text></translation></entry>\n"
    "  </entries>\n"
    "  <lessons><lesson><name>One</name><entryid>0</entryid></lesson></lessons>\n"
    "</kvtml>\n";

// A phonetic source that notes the words it is asked for and marks each answer as its own.
PhoneticSource Recording(QStringList& asked) {
    return [&asked](const QString& word) {
        asked.append(word);
        return u'ˈ' + word;
    };
}

} // namespace

class TestWordListImport : public QObject {
    Q_OBJECT

private slots:
    void importsAWordList_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<QByteArray>("catalogueLine");
        QTest::addColumn<int>("emptyWords");
        QTest::addColumn<int>("inactive");

        QTest::newRow("csv quotes") << "fruit.csv"
                                    << QByteArray("apple,\"苹果, 一种水果\",ˈæpəl\r\n"
                                                  "\"say \"\"hi\"\"\",打招呼\r\n")
                                    << QByteArray("apple#苹果, 一种水果#ˈæpəl\r\n"
                                                  "say \"hi\"#打招呼\r\n")
                                    << QByteArray("fruit#fruit.dat") << 0 << 0;
        QTest::newRow("hash and line break in fields")
            << "code.csv" << QByteArray("\"C#\",\"一种\r\n编程语言\"\n\"a\nb\"\"c\",x#y\n")
            << QByteArray("C＃#一种 编程语言\r\na b\"c#x＃y\r\n") << QByteArray("code#code.dat")
            << 0 << 0;
        QTest::newRow("tab before comma")
            << "run.txt" << QByteArray("run\t跑，奔跑, 运行\n")
            << QByteArray("run#跑，奔跑, 运行\r\n") << QByteArray("run#run.dat") << 0 << 0;
        QTest::newRow("semicolon") << "go.csv" << QByteArray("go;去\n") << QByteArray("go#去\r\n")
                                   << QByteArray("go#go.dat") << 0 << 0;
        QTest::newRow("anki export")
            << "deck.txt"
            << QByteArray("#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n"
                          "#deck column:3\n#tags column:6\n"
                          "g1\tBasic\tDefault\t<b>cat</b>\t猫&amp;狗<br>宠物 &#x2F; &#21734;\ttag\n"
                          "g2\tBasic\tDefault\ta &lt; b\t<div>小于</div>\t\n")
            << QByteArray("cat#猫&狗 宠物 / 哦\r\na < b#小于\r\n") << QByteArray("deck#deck.dat")
            << 0 << 0;
        QTest::newRow("anki columns")
            << "pets.txt"
            << QByteArray("#separator:Pipe\n#columns:Back|Front|IPA\n"
                          "狗|dog|/dɒɡ/\n猫|cat|[kæt]\n")
            << QByteArray("dog#狗#dɒɡ\r\ncat#猫#kæt\r\n") << QByteArray("pets#pets.dat") << 0 << 0;
        QTest::newRow("html false keeps tags")
            << "tags.txt" << QByteArray("#html:false\na<b>\tx &amp; y\n")
            << QByteArray("a<b>#x &amp; y\r\n") << QByteArray("tags#tags.dat") << 0 << 0;
        QTest::newRow("names in the first line")
            << "book.csv" << QByteArray("Word,Phonetic,Meaning\nbook,bʊk,书\n")
            << QByteArray("book#书#bʊk\r\n") << QByteArray("book#book.dat") << 0 << 0;
        QTest::newRow("empty words")
            << "some.csv" << QByteArray("\n,孤立的意思\n  ,  \n\"\",,x\nok , 好 \n")
            << QByteArray("ok#好\r\n") << QByteArray("some#some.dat") << 2 << 0;
        QTest::newRow("single words")
            << "words.txt" << QByteArray("apple\nbanana") << QByteArray("apple#\r\nbanana#\r\n")
            << QByteArray("words#words.dat") << 0 << 0;
        QTest::newRow("plain word list")
            << "plain.txt"
            << QByteArray(
                   "abandon v. 放弃, 抛弃\na lot of 许多, 大量\nabroad [əˈbrɔːd] adv.在国外\n"
                   "U.S.A. abbr. 美国\ncafé 咖啡馆\n苹果\n")
            << QByteArray(
                   "abandon#v. 放弃, 抛弃\r\na lot of#许多, 大量\r\nabroad#adv.在国外#əˈbrɔːd\r\n"
                   "U.S.A.#abbr. 美国\r\ncafé#咖啡馆\r\n苹果#\r\n")
            << QByteArray("plain#plain.dat") << 0 << 0;
        QTest::newRow("library lines")
            << "lines.txt" << QByteArray("abandon#v. 放弃, 抛弃#əˈbændən\nhash#哈希\n")
            << QByteArray("abandon#v. 放弃, 抛弃#əˈbændən\r\nhash#哈希\r\n")
            << QByteArray("lines#lines.dat") << 0 << 0;
        QTest::newRow("utf-8 bom")
            << "bom.csv" << QByteArray("\xEF\xBB\xBFhi,你好\n") << QByteArray("hi#你好\r\n")
            << QByteArray("bom#bom.dat") << 0 << 0;
        QTest::newRow("utf-16 le")
            << "le16.txt" << Encoded("hi\t你好\r\n", QStringConverter::Utf16LE)
            << QByteArray("hi#你好\r\n") << QByteArray("le16#le16.dat") << 0 << 0;
        QTest::newRow("utf-16 be")
            << "be16.txt" << Encoded("hi\t你好\r\n", QStringConverter::Utf16BE)
            << QByteArray("hi#你好\r\n") << QByteArray("be16#be16.dat") << 0 << 0;
        QTest::newRow("utf-32 le")
            << "le32.txt" << Encoded("hi\t你好\r\n", QStringConverter::Utf32LE)
            << QByteArray("hi#你好\r\n") << QByteArray("le32#le32.dat") << 0 << 0;
        QTest::newRow("utf-32 be")
            << "be32.txt" << Encoded("hi\t你好\r\n", QStringConverter::Utf32BE)
            << QByteArray("hi#你好\r\n") << QByteArray("be32#be32.dat") << 0 << 0;
        QTest::newRow("gb18030") << "gb.csv" << Gb18030("hi,你好\nsmile,微笑 ☺\n")
                                 << QByteArray("hi#你好\r\nsmile#微笑 ☺\r\n")
                                 << QByteArray("gb#gb.dat") << 0 << 0;
        QTest::newRow("kvtml") << "list.kvtml" << kKvtml
                               << QByteArray("apple#苹果#ˈæpl\r\nbook#a thing to <read>\r\n")
                               << QByteArray("My Words#My Words.dat") << 1 << 2;
        QTest::newRow("utf-16 kvtml")
            << "list16.kvtml"
            << Encoded(QString::fromUtf8(kKvtml).replace("UTF-8", "UTF-16"),
                       QStringConverter::Utf16LE)
            << QByteArray("apple#苹果#ˈæpl\r\nbook#a thing to <read>\r\n")
            << QByteArray("My Words#My Words.dat") << 1 << 2;
    }

    // The library file's bytes, the catalogue entry and the counts of a whole import into a
    // program folder, as the command line does it.
    void importsAWordList() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, library);
        QFETCH(QByteArray, catalogueLine);
        QFETCH(int, emptyWords);
        QFETCH(int, inactive);
        ProgramFolder folder;
        folder.write("table.ini", kCatalogue);
        folder.write(fileName, contents);

        const ImportResult result =
            ImportWordListIntoCatalogueFile(folder.path(), {folder.filePath(fileName), {}, {}});
        QVERIFY(result.ok());
        const QByteArray dataFile = "data/" + result.fileName;
        QCOMPARE(folder.read(QString::fromUtf8(dataFile)), library);
        QCOMPARE(result.libraryName + '#' + result.fileName, catalogueLine);
        QCOMPARE(folder.read("table.ini"), kCatalogue + catalogueLine + "\r\n");
        QCOMPARE(result.entries, library.count("\r\n"));
        QCOMPARE(result.phoneticsFilled, 0);
        QCOMPARE(result.skipped[SkipReason::EmptyWord], emptyWords);
        QCOMPARE(result.skipped[SkipReason::Inactive], inactive);
    }

    void asksForPhoneticsOfEnglishWordsOnly_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("notEnglishText");
        QTest::addColumn<int>("otherLanguage");
        QTest::addColumn<QStringList>("languages");

        QTest::newRow("plain word list")
            << QByteArray("abandon v. 放弃；抛弃\nhash#哈希\n苹果\nabroad [əˈbrɔːd] adv. 在国外\n")
            << QByteArray("abandon#v. 放弃；抛弃#ˈabandon\r\nhash#哈希#ˈhash\r\n苹果#\r\n"
                          "abroad#adv. 在国外#əˈbrɔːd\r\n")
            << QStringList{"abandon", "hash"} << 1 << 0 << QStringList();
        QTest::newRow("other scripts")
            << QByteArray("苹果,apple\nкошка,cat\nnaïve,天真的\nrun，ran,跑\n")
            << QByteArray("苹果#apple\r\nкошка#cat\r\nnaïve#天真的#ˈnaïve\r\nrun，ran#跑\r\n")
            << QStringList{"naïve"} << 3 << 0 << QStringList();
        QTest::newRow("polish kvtml")
            << QByteArray("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\">"
                          "<locale>pl</locale></identifier></identifiers><entries>"
                          "<entry><translation id=\"0\"><text>kociak</text></translation></entry>"
                          "<entry><translation id=\"0\"><text>pies</text><comment>dog</comment>"
                          "</translation></entry></entries></kvtml>")
            << QByteArray("kociak#\r\npies#dog\r\n") << QStringList() << 0 << 2
            << QStringList{"pl"};
        QTest::newRow("german and english kvtml")
            << QByteArray("<kvtml version=\"2.0\"><identifiers>"
                          "<identifier id=\"0\"><locale>de</locale></identifier>"
                          "<identifier id=\"1\"><locale>en</locale></identifier></identifiers>"
                          "<entries><entry><translation id=\"0\"><text>Katze</text></translation>"
                          "<translation id=\"1\"><text>cat</text></translation></entry>"
                          "<entry><translation id=\"0\"><text>Hund</text></translation></entry>"
                          "</entries></kvtml>")
            << QByteArray("cat#Katze#ˈcat\r\nHund#\r\n") << QStringList{"cat"} << 0 << 1
            << QStringList{"de"};
    }

    // Phonetics are asked for only where the list's words are English: by the language a KVTML
    // file gives them, and by the text of the word, so never for Chinese or another script;
    // the rest is counted for the summary.
    void asksForPhoneticsOfEnglishWordsOnly() {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, library);
        QFETCH(QStringList, asked);
        QFETCH(int, notEnglishText);
        QFETCH(int, otherLanguage);
        QFETCH(QStringList, languages);
        QStringList askedFor;

        const ConvertedWordList converted = ConvertWordList(contents, Recording(askedFor));
        QCOMPARE(converted.lines.text(), library);
        QCOMPARE(askedFor, asked);
        QCOMPARE(converted.lines.phoneticsFilled(), asked.size());
        const WithheldPhonetics& withheld = converted.lines.withheldPhonetics();
        QCOMPARE(withheld.notEnglishText, notEnglishText);
        QCOMPARE(withheld.otherLanguage, otherLanguage);
        QCOMPARE(withheld.languages, languages);
    }

    void skipsARecordWhoseQuoteNeverCloses_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<qint64>("line");

        QTest::newRow("in the middle") << QByteArray("apple,苹果\n\"banana,香蕉\ncherry,樱桃\n")
                                       << QByteArray("apple#苹果\r\ncherry#樱桃\r\n") << qint64(2);
        QTest::newRow("after a header and a line break in quotes")
            << QByteArray("#separator:comma\n\"a\nb\",甲\n\"c,乙\r\nd,丙\n")
            << QByteArray("a b#甲\r\nd#丙\r\n") << qint64(4);
        QTest::newRow("in a later field, carriage returns")
            << QByteArray("x,\"open\ry,是\r") << QByteArray("y#是\r\n") << qint64(1);
    }

    // The record is left out and its line noted; the lines after it are records again.
    void skipsARecordWhoseQuoteNeverCloses() {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, library);
        QFETCH(qint64, line);

        const ConvertedWordList converted = ConvertWordList(contents);
        QCOMPARE(converted.lines.text(), library);
        QCOMPARE(converted.lines.skipped()[SkipReason::UnclosedQuote], 1);
        QCOMPARE(converted.lines.skipped().unclosedQuoteLine, line);
    }

    void decidesTheEncodingOfEachLine_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<int>("undecodable");

        // A lone 0xE9 before the line feed is no GB18030 character either.
        QTest::newRow("stray byte") << QByteArray("apple,苹果\npear,梨\ncafe,caf\xe9\n")
                                    << QByteArray("apple#苹果\r\npear#梨\r\n") << 1;
        QTest::newRow("gb18030 line among utf-8")
            << QByteArray("apple,苹果\n") + Gb18030("pear,梨\n") + "\xff,x\nplum,李"
            << QByteArray("apple#苹果\r\npear#梨\r\nplum#李\r\n") << 1;
        // Lines read in one pass, sixteen bytes at a time, and those that leave it.
        QTest::newRow("character across sixteen bytes")
            << QByteArray("one,一\nabcdefghijklmno词,x\ny,\xE2\x80\xA8z\xE2\x80\xA8\xE2\x80\xA9w")
            << QByteArray("one#一\r\nabcdefghijklmno词#x\r\ny#z  w\r\n") << 0;
        QTest::newRow("continuation byte after ascii, sixteen bytes on")
            << QByteArray("apple,苹果\n0123456789abcdef\x80,x\n") << QByteArray("apple#苹果\r\n")
            << 1;
        QTest::newRow("continuation byte after a character")
            << QByteArray("\xC3\xA9\xA9,x\npear,梨") << QByteArray("pear#梨\r\n") << 1;
        QTest::newRow("first line neither, without columns")
            << QByteArray("\xff word\napple 苹果\n") << QByteArray("apple#苹果\r\n") << 1;
        QTest::newRow("carriage return alone, quote inside a field")
            << QByteArray("a,1\rsay \"hi\",说\r\n") << QByteArray("a#1\r\nsay \"hi\"#说\r\n") << 0;
    }

    // Without a byte-order mark, each line is UTF-8 when it can be, else GB18030, else skipped.
    void decidesTheEncodingOfEachLine() {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, library);
        QFETCH(int, undecodable);
        const ConvertedWordList converted = ConvertWordList(contents);
        QCOMPARE(converted.lines.text(), library);
        QCOMPARE(converted.lines.skipped()[SkipReason::Undecodable], undecodable);
    }

    void trimsUnicodeSpaceAndByteOrderMarks_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("meaning");
        QTest::addColumn<QByteArray>("phonetic");
        QTest::addColumn<QByteArray>("line");

        QTest::newRow("next line, line separator")
            << QByteArray("\xC2\x85"
                          "apple\xE2\x80\xA8")
            << QByteArray("苹果") << QByteArray() << QByteArray("apple#苹果\r\n");
        QTest::newRow("no-break and ideographic spaces")
            << QByteArray("\xC2\xA0pear ") << QByteArray("\xE3\x80\x80梨\xE2\x80\x89")
            << QByteArray("/\xE2\x80\xAFper/") << QByteArray("pear#梨#per\r\n");
        // Every frame goes, so that a list exported and imported again stays the same.
        QTest::newRow("frames within frames")
            << QByteArray("fig") << QByteArray("无花果") << QByteArray("/ [fɪɡ] /")
            << QByteArray("fig#无花果#fɪɡ\r\n");
        QTest::newRow("frames only") << QByteArray("fig") << QByteArray("无花果")
                                     << QByteArray("////") << QByteArray("fig#无花果\r\n");
        QTest::newRow("marks inside and at the edges")
            << QByteArray("\xEF\xBB\xBFpl\xEF\xBB\xBFum") << QByteArray("李 \xEF\xBB\xBF")
            << QByteArray() << QByteArray("plum#李\r\n");
        QTest::newRow("a word of marks only") << QByteArray("\xEF\xBB\xBF \xEF\xBB\xBF")
                                              << QByteArray("空") << QByteArray() << QByteArray();
    }

    // A word left empty is skipped, as a word that was never there.
    void trimsUnicodeSpaceAndByteOrderMarks() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, meaning);
        QFETCH(QByteArray, phonetic);
        QFETCH(QByteArray, line);
        ImportedLines lines;
        lines.Add(word, meaning, phonetic);
        QCOMPARE(lines.text(), line);
        QCOMPARE(lines.skipped()[SkipReason::EmptyWord], line.isEmpty() ? 1 : 0);
    }

    // Each line of the summary after the first says what was not done and why.
    void summarySaysWhatWasLeftOut() {
        ImportResult result;
        result.entries = 5;
        result.phoneticsFilled = 1;
        result.libraryName = "Mixed";
        result.fileName = "Mixed.dat";
        result.withheldPhonetics = {2, {"pl", "de"}, 1};
        result.skipped[SkipReason::UnclosedQuote] = 1;
        result.skipped.unclosedQuoteLine = 9;
        result.skipped[SkipReason::Undecodable] = 3;
        QCOMPARE(
            ImportSummary(result),
            QStringList({StringText(StringId::ImportDone)
                             .arg("Mixed", "Mixed.dat", QString::number(5), QString::number(1)),
                         StringText(StringId::ImportPhoneticsOtherLanguage).arg(2).arg("pl, de"),
                         StringText(StringId::ImportPhoneticsNotEnglishText).arg(1),
                         StringText(StringId::ImportSkippedUndecodableLines).arg(3),
                         StringText(StringId::ImportSkippedUnclosedQuote).arg(9)})
                .join(u'\n'));
    }

    void refusesWhatItCannotImport_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<ImportError>("error");
        QTest::addColumn<int>("line");

        QTest::newRow("kvtml 1") << QByteArray("<?xml version=\"1.0\"?>\n<kvtml encoding=\"UTF-8\">"
                                               "<e><o>bjørn</o><t>bear</t></e></kvtml>")
                                 << ImportError::OldKvtml << 0;
        QTest::newRow("malformed kvtml")
            << QByteArray("<kvtml version=\"2.0\">\n<entries>\n<entry></kvtml>\n")
            << ImportError::Malformed << 3;
        QTest::newRow("latin-1 in utf-8 kvtml")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">"
                          "<entries><entry><translation id=\"0\">\n<text>bj\xF6rn</text>"
                          "</translation></entry></entries></kvtml>")
            << ImportError::Malformed << 3;
        // Nested far deeper than any stack allows a recursive reader, and in every element.
        const QByteArray open = "<kvtml version=\"2.0\">\n<entries><entry><translation>\n<text>";
        QTest::newRow("deep text")
            << open + QByteArray("<a>").repeated(60000) << ImportError::Malformed << 3;
        QTest::newRow("deep lessons")
            << open + "a</text></translation></entry></entries>\n<lessons>" +
                   QByteArray("<b>\n").repeated(300)
            << ImportError::Malformed << 258;
        QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0word,meaning", 18)
                                << ImportError::NotWordList << 0;
        QTest::newRow("all inactive")
            << QByteArray("<kvtml version=\"2.0\"><entries><entry><inactive>true</inactive>"
                          "<translation id=\"0\"><text>a</text></translation></entry>"
                          "</entries></kvtml>")
            << ImportError::NoEntries << 0;
        QTest::newRow("no words") << QByteArray("#separator:comma\n,意思\n\n")
                                  << ImportError::NoEntries << 0;
        QTest::newRow("empty") << QByteArray() << ImportError::NoEntries << 0;
    }

    // Nothing is written on an error, and the message says why.
    void refusesWhatItCannotImport() {
        QFETCH(QByteArray, contents);
        QFETCH(ImportError, error);
        QFETCH(int, line);
        ProgramFolder folder;
        folder.write("table.ini", kCatalogue);
        folder.write("list.kvtml", contents);

        const ImportResult result =
            ImportWordListIntoCatalogueFile(folder.path(), {folder.filePath("list.kvtml"), {}, {}});
        QCOMPARE(result.error, error);
        QCOMPARE(result.errorLine, line);
        QCOMPARE(folder.read("table.ini"), kCatalogue);
        QCOMPARE(QDir(folder.filePath("data")).entryList(QDir::Files), QStringList());
        if (error == ImportError::Malformed) {
            QCOMPARE(ImportSummary(result), QStringLiteral("文件第 %1 行有格式错误。").arg(line));
        }
    }

    // Names are proposed from the title, cut to the settings record's 19 bytes, and never
    // take a listed name or an existing file.
    void choosesFreeNames() {
        ProgramFolder folder;
        folder.write("table.ini", "Animals-2#x.dat\r\n");
        folder.write("data/Animals.dat", "keep#me\r\n");
        folder.write("list.csv", "cat,猫\n");
        folder.write("长标题.csv", "dog,狗\n");
        folder.write("C#, C++ words.csv", "int,整数\n");
        const auto import = [&](const QString& file, const QByteArray& name = {}) {
            return ImportWordListIntoCatalogueFile(folder.path(),
                                                   {folder.filePath(file), name, {}});
        };

        const ImportResult third = import("list.csv", "Animals");
        QCOMPARE(third.libraryName, "Animals-3");
        QCOMPARE(third.fileName, "Animals-3.dat");
        QCOMPARE(folder.read("data/Animals.dat"), "keep#me\r\n");

        const QByteArray longName = "词汇表第一单元复习"; // nine characters, 27 bytes
        const ImportResult cut = import("长标题.csv", longName);
        QCOMPARE(cut.libraryName, "词汇表第一单");
        QCOMPARE(cut.fileName, "词汇表第一.dat");
        const ImportResult again = import("长标题.csv", longName);
        QCOMPARE(again.libraryName, "词汇表第一-2");
        QCOMPARE(again.fileName, "词汇表第-2.dat");

        const ImportResult symbols = import("C#, C++ words.csv");
        QCOMPARE(symbols.libraryName, "C＃, C++ words");
        QCOMPARE(symbols.fileName, "C＃, C++ words.dat");
        const ImportResult slashes = import("list.csv", "../a/b c");
        QCOMPARE(slashes.libraryName, "../a/b c");
        QCOMPARE(slashes.fileName, "___a_b c.dat");

        // A name of nothing but blanks is refused; an empty file name gives way.
        QCOMPARE(import("list.csv", "  ").error, ImportError::BlankName);
        folder.write(".csv", "a,b\n");
        QCOMPARE(import(".csv").fileName, "import.dat");

        QCOMPARE(import("list.csv", "a#b").error, ImportError::HashInName);
        QCOMPARE(folder.read("table.ini"), "Animals-2#x.dat\r\n"
                                           "Animals-3#Animals-3.dat\r\n"
                                           "词汇表第一单#词汇表第一.dat\r\n"
                                           "词汇表第一-2#词汇表第-2.dat\r\n"
                                           "C＃, C++ words#C＃, C++ words.dat\r\n"
                                           "../a/b c#___a_b c.dat\r\n"
                                           "import#import.dat\r\n");
        QCOMPARE(QDir(folder.filePath("data")).entryList(QDir::Files).size(), 7);
    }

    // The library manager's way: the entry is added to the catalogue in memory, selected, and
    // table.ini is left for the manager's OK; the message tells what happened.
    void importsThroughTheCatalogueEditor() {
        ProgramFolder folder;
        folder.write("table.ini", kCatalogue);
        folder.write("list.kvtml", kKvtml);
        LibraryCatalogue catalogue = ListOf({"TOEFL#TOEFL.dat"});
        CatalogueEditor editor(catalogue);
        const auto phonetics = [](const QString& word) {
            return word == u"book" ? QStringLiteral("bʊk") : QString();
        };

        const ImportResult result =
            ImportWordList(folder.path(), editor, {folder.filePath("list.kvtml"), {}, phonetics});
        QCOMPARE(catalogue.toList(),
                 (QList<QByteArray>{"TOEFL#TOEFL.dat", "My Words#My Words.dat"}));
        QCOMPARE(editor.selected(), 1);
        QCOMPARE(folder.read("table.ini"), kCatalogue);
        QCOMPARE(folder.read("data/My Words.dat"),
                 "apple#苹果#ˈæpl\r\nbook#a thing to <read>#bʊk\r\n");
        QCOMPARE(ImportSummary(result),
                 QStringLiteral("已导入词库“My Words”（文件 My Words.dat）：2 个词条，其中 1 "
                                "个补上了音标。\n跳过了 1 个没有单词的词条。\n跳过了 2 "
                                "个停用的词条。"));
        ImportResult percentName = result;
        percentName.libraryName = "Unit %3";
        QVERIFY(
            ImportSummary(percentName).startsWith(u"已导入词库“Unit %3”（文件 My Words.dat）：2"));
        QCOMPARE(ImportWordList(folder.path(), editor, {folder.filePath("none.csv"), {}, {}}).error,
                 ImportError::CannotRead);
    }
};

QTEST_GUILESS_MAIN(TestWordListImport)
#include "tst_wordlistimport.moc"
