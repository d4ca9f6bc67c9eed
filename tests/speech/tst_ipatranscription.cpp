#include "library/LibraryImport.h"
#include "speech/IpaTranscription.h"
#include "tests/support/ProgramFolder.h"

#include <QFile>
#include <QtTest>

#include <thread>

namespace {

struct SampleEntry {
    QString word;
    QString phonetic;
};

QList<SampleEntry> SampleLibrary() {
    QFile file(LEXADO_SAMPLE_LIBRARY);
    QList<SampleEntry> entries;
    if (!file.open(QIODevice::ReadOnly)) {
        return entries;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('#');
        if (fields.size() == 3) {
            entries.append({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[2])});
        }
    }
    return entries;
}

QStringList Transcriptions(const QList<SampleEntry>& entries) {
    QStringList ipa;
    for (const SampleEntry& entry : entries) {
        ipa.append(IpaTranscription(entry.word));
    }
    return ipa;
}

} // namespace

class TestIpaTranscription : public QObject {
    Q_OBJECT

private slots:
    // The real engine against every transcription of the sample library, which was made with
    // the same rules from the engine's command-line output.
    void matchesTheSampleLibrary() {
        const QList<SampleEntry> entries = SampleLibrary();
        QCOMPARE(entries.size(), 2039);
        const QStringList ipa = Transcriptions(entries);
        int same = 0;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (ipa[i] == entries[i].phonetic) {
                ++same;
            } else {
                qInfo() << entries[i].word << "is" << ipa[i] << "not" << entries[i].phonetic;
            }
        }
        qInfo("%d of %lld words (%.2f%%) as in the sample library", same, entries.size(),
              100.0 * same / entries.size());
        QVERIFY(same * 100 >= entries.size() * 95);
    }

    void transcribesWordsAndPhrases() {
        QCOMPARE(IpaTranscription(QStringLiteral("Export ")), QStringLiteral("ˈekspɔːt"));
        QCOMPARE(IpaTranscription(QStringLiteral("ice cream")), QStringLiteral("ˈaɪs ˈkriːm"));
        QCOMPARE(IpaTranscription(QStringLiteral("run, ran")), QStringLiteral("ˈrʌn ˈræn"));
        QCOMPARE(IpaTranscription(QStringLiteral("苹果")), QString());
        // Words that made the engine read freed or foreign memory.
        QCOMPARE(IpaTranscription(QString::fromUtf8("\xE1\x87\x87x")), QStringLiteral("ˈeks"));
        QCOMPARE(IpaTranscription(QStringLiteral("\x01"
                                                 "B")),
                 QStringLiteral("ˈbiː"));
        QCOMPARE(IpaTranscription(QStringLiteral("123 ...")), QString());
        QCOMPARE(IpaTranscription(QString()), QString());
    }

    // Users in two threads take turns on the one engine and each gets its own voice.
    void sharesTheEngineBetweenThreads() {
        const QList<SampleEntry> entries = SampleLibrary().mid(500, 300);
        const QStringList alone = Transcriptions(entries);
        QStringList first;
        QStringList second;
        std::thread one([&] { first = Transcriptions(entries); });
        std::thread two([&] { second = Transcriptions(entries); });
        one.join();
        two.join();
        QCOMPARE(first, alone);
        QCOMPARE(second, alone);
    }

    // An import asks the engine for the phonetics a word list lacks.
    void importFillsInPhonetics() {
        ProgramFolder folder;
        folder.write("table.ini", "TOEFL#TOEFL.dat\r\n");
        folder.write("list.csv", "export,出口\nbook,书,bʊk\n苹果,apple\n");
        const ImportResult result = ImportWordListIntoCatalogueFile(
            folder.path(), {folder.filePath("list.csv"), {}, IpaTranscription});
        QCOMPARE(result.phoneticsFilled, 1);
        QCOMPARE(folder.read("data/list.dat"),
                 "export#出口#ˈekspɔːt\r\nbook#书#bʊk\r\n苹果#apple\r\n");
    }
};

QTEST_GUILESS_MAIN(TestIpaTranscription)
#include "tst_ipatranscription.moc"
