// The help pages of the nine interface languages: each one is there, beside the program too,
// and has the same sections, each telling what it must.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

const QStringList kSections{
    QStringLiteral("window"),       QStringLiteral("menu"),      QStringLiteral("mouse"),
    QStringLiteral("double-click"), QStringLiteral("libraries"), QStringLiteral("catalogue"),
    QStringLiteral("new-words"),    QStringLiteral("progress"),  QStringLiteral("settings"),
    QStringLiteral("languages"),    QStringLiteral("files"),     QStringLiteral("command-line"),
};

const QStringList kLanguages{
    QStringLiteral("pChinese"), QStringLiteral("cChinese"), QStringLiteral("English"),
    QStringLiteral("Japanese"), QStringLiteral("Korean"),   QStringLiteral("German"),
    QStringLiteral("French"),   QStringLiteral("Spanish"),  QStringLiteral("Russian"),
};

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Captures(const QString& text, const QString& pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text)) {
        found << match.captured(1);
    }
    return found;
}

// The text of a section: from its heading to the next one.
QString Section(const QString& page, const QString& id) {
    const qsizetype start = page.indexOf(QStringLiteral("<h2 id=\"%1\">").arg(id));
    const qsizetype end = page.indexOf(QStringLiteral("<h2"), start + 1);
    return start < 0 ? QString() : page.mid(start, end < 0 ? -1 : end - start);
}

void VerifyMentions(const QString& text, const QStringList& words, const QString& where) {
    for (const QString& word : words) {
        QVERIFY2(text.contains(word), qPrintable(where + QStringLiteral(" lacks ") + word));
    }
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void pageHasEverySection_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("code");
        const QStringList codes{
            QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant-TW"), QStringLiteral("en"),
            QStringLiteral("ja"),      QStringLiteral("ko"),         QStringLiteral("de"),
            QStringLiteral("fr"),      QStringLiteral("es"),         QStringLiteral("ru")};
        for (qsizetype i = 0; i < kLanguages.size(); ++i) {
            QTest::newRow(qPrintable(kLanguages[i])) << kLanguages[i] << codes[i];
        }
    }
    void pageHasEverySection() {
        QFETCH(QString, language);
        QFETCH(QString, code);
        const QString relative = QStringLiteral("help/%1/index.html").arg(language);
        const QByteArray bytes = Read(QStringLiteral(LEXADO_SOURCE_DIR "/resources/") + relative);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(Read(QDir(QStringLiteral(LEXADO_OUTPUT_DIR)).filePath(relative)), bytes);

        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString page = utf8(bytes);
        QVERIFY(!utf8.hasError());
        QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        QVERIFY(page.contains(QStringLiteral("<html lang=\"%1\">").arg(code)));
        QVERIFY(!Captures(page, QStringLiteral("<title>([^<]+)</title>")).value(0).isEmpty());

        // The same sections in the same order, every one in the contents, no link astray.
        QCOMPARE(Captures(page, QStringLiteral("<h2 id=\"([^\"]+)\">")), kSections);
        const QStringList links = Captures(page, QStringLiteral("href=\"#([^\"]+)\""));
        QCOMPARE(links.mid(0, kSections.size()), kSections);
        for (const QString& link : links) {
            QVERIFY2(kSections.contains(link), qPrintable(link));
        }

        // Keys as their language writes them: German keyboards say Strg and Entf.
        const bool german = language == QStringLiteral("German");
        const auto ctrl = [german](const char* key) {
            return (german ? QStringLiteral("Strg+") : QStringLiteral("Ctrl+")) +
                   QLatin1String(key);
        };
        VerifyMentions(Section(page, QStringLiteral("menu")),
                       {ctrl("P"), ctrl("R"), ctrl("S"), ctrl(german ? "Entf" : "Del"), ctrl("W"),
                        ctrl("T"), ctrl("O"), ctrl("L"), ctrl("N"), ctrl("F"),
                        QStringLiteral("<kbd>F1</kbd>"), QStringLiteral("Alt+X")},
                       QStringLiteral("menu"));
        const QString libraries = Section(page, QStringLiteral("libraries"));
        VerifyMentions(libraries, {QStringLiteral("UTF-8"), QStringLiteral("GB18030")},
                       QStringLiteral("libraries"));
        QVERIFY(libraries.contains(QRegularExpression(QStringLiteral("\\n[a-z]+#[^#\\n]+#\\S+"))));
        VerifyMentions(Section(page, QStringLiteral("catalogue")),
                       {QStringLiteral("table.ini"), QStringLiteral("TOEFL#TOEFL.dat")},
                       QStringLiteral("catalogue"));
        VerifyMentions(Section(page, QStringLiteral("new-words")),
                       {QStringLiteral("New_Word.dat"), ctrl("S")}, QStringLiteral("new-words"));
        VerifyMentions(Section(page, QStringLiteral("progress")),
                       {QStringLiteral(".sav"), ctrl("O")}, QStringLiteral("progress"));
        VerifyMentions(Section(page, QStringLiteral("settings")), {ctrl("T")},
                       QStringLiteral("settings"));
        QCOMPARE(
            Captures(Section(page, QStringLiteral("settings")), QStringLiteral("(<h3>)")).size(),
            3);
        // The regions the Spanish file starts for, and the way to Korean, which its menu row
        // does not offer.
        VerifyMentions(Section(page, QStringLiteral("languages")),
                       {QStringLiteral("<code>es_ES</code>"),
                        QStringLiteral("<code>--language Korean</code>")},
                       QStringLiteral("languages"));
        VerifyMentions(Section(page, QStringLiteral("files")),
                       {QStringLiteral("~/.local/share/lexado"), QStringLiteral("Lexado.ini"),
                        QStringLiteral("table.ini"), QStringLiteral("New_Word.dat"),
                        QStringLiteral("--home DIR")},
                       QStringLiteral("files"));
        VerifyMentions(Section(page, QStringLiteral("command-line")),
                       QStringList{QStringLiteral("--home DIR"), QStringLiteral("--language NAME"),
                                   QStringLiteral("--no-splash"), QStringLiteral("--help"),
                                   QStringLiteral("--version"),
                                   QStringLiteral("--import FILE [--name NAME]"),
                                   QStringLiteral("--export NAME FILE.tsv")} +
                           kLanguages,
                       QStringLiteral("command-line"));
    }
};

QTEST_APPLESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"
