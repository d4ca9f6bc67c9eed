#include "strings/LanguageChoice.h"

#include <QtTest>

class TestLanguageChoice : public QObject {
    Q_OBJECT

private slots:
    // Every id of the start-up table, and its neighbours, to the file the program starts with.
    void languageIdChoosesFile_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("file");
        const QList<std::pair<QString, QList<int>>> table{
            {QStringLiteral("pChinese"), {0x0804}},
            {QStringLiteral("cChinese"), {0x0404, 0x0C04, 0x1004}},
            {QStringLiteral("Japanese"), {0x0411}},
            {QStringLiteral("Korean"), {0x0412, 0x0812}},
            {QStringLiteral("German"), {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407}},
            {QStringLiteral("French"), {0x040C, 0x080C, 0x0C0C, 0x100C, 0x140C}},
            {QStringLiteral("Spanish"), {0x040A, 0x0C0A}},
            {QStringLiteral("Russian"), {0x0419}},
            {QStringLiteral("English"),
             {0x0409, 0x0809, 0x1404, 0x0004, 0x0007, 0x180C, 0x080A, 0x0819, 0x0416, 0x0000,
              0xFFFF}},
        };
        for (const auto& [file, ids] : table) {
            for (const int id : ids) {
                QTest::addRow("0x%04X", id) << id << file;
            }
        }
    }
    void languageIdChoosesFile() {
        QFETCH(int, id);
        QFETCH(QString, file);
        QCOMPARE(LanguageFileForId(static_cast<LanguageId>(id)), file);
    }

    // The desktop's locale to its id and on to the file.
    void localeChoosesFile_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("file");
        const QList<std::tuple<const char*, int, const char*>> rows{
            {"zh_CN", 0x0804, "pChinese"}, {"zh_TW", 0x0404, "cChinese"},
            {"zh_HK", 0x0C04, "cChinese"}, {"zh_SG", 0x1004, "cChinese"},
            {"zh_MO", 0x1404, "English"},  {"ja_JP", 0x0411, "Japanese"},
            {"ko_KR", 0x0412, "Korean"},   {"de_DE", 0x0407, "German"},
            {"de_CH", 0x0807, "German"},   {"de_AT", 0x0C07, "German"},
            {"de_LU", 0x1007, "German"},   {"de_LI", 0x1407, "German"},
            {"fr_FR", 0x040C, "French"},   {"fr_BE", 0x080C, "French"},
            {"fr_CA", 0x0C0C, "French"},   {"fr_CH", 0x100C, "French"},
            {"fr_LU", 0x140C, "French"},   {"fr_MC", 0x180C, "English"},
            {"es_ES", 0x0C0A, "Spanish"},  {"es_MX", 0x080A, "English"},
            {"ru_RU", 0x0419, "Russian"},  {"ru_UA", 0x0019, "English"},
            {"en_US", 0x0409, "English"},  {"en_GB", 0x0809, "English"},
            {"pt_BR", 0x0416, "English"},  {"de_BE", 0x0007, "English"},
            {"sw_KE", 0x0000, "English"},  {"C", 0x0000, "English"},
        };
        for (const auto& [locale, id, file] : rows) {
            QTest::newRow(locale) << QString::fromLatin1(locale) << id << QString::fromLatin1(file);
        }
    }
    void localeChoosesFile() {
        QFETCH(QString, locale);
        QFETCH(int, id);
        QFETCH(QString, file);
        QCOMPARE(static_cast<int>(LanguageIdForLocale(QLocale(locale))), id);
        QCOMPARE(StartupLanguage(std::nullopt, QLocale(locale)), file);
    }

    // The language commands' indexes, the check mark's rows, and "--language".
    void menuIndexesAndOption() {
        const QStringList byIndex{QStringLiteral("pChinese"), QStringLiteral("cChinese"),
                                  QStringLiteral("English"), QStringLiteral("Japanese"),
                                  QStringLiteral("Korean")};
        for (int index = 0; index < byIndex.size(); ++index) {
            QCOMPARE(LanguageFileForIndex(index).value_or(QString()), byIndex[index]);
        }
        QVERIFY(!LanguageFileForIndex(-1));
        QVERIFY(!LanguageFileForIndex(5));
        for (int index = 0; index < 4; ++index) {
            QCOMPARE(MenuIndexForLanguage(byIndex[index]).value_or(-1), index);
        }
        QVERIFY(!MenuIndexForLanguage(QStringLiteral("Korean")));
        QVERIFY(!MenuIndexForLanguage(QStringLiteral("German")));

        QCOMPARE(LanguageNames().size(), 9);
        for (const QString& name : LanguageNames()) {
            QCOMPARE(LanguageFromOption(name.toUpper()).value_or(QString()), name);
        }
        QCOMPARE(LanguageFromOption(QStringLiteral("german")).value_or(QString()),
                 QStringLiteral("German"));
        QVERIFY(!LanguageFromOption(QStringLiteral("de")));
        QVERIFY(!LanguageFromOption(QString()));
        QVERIFY(!LanguageFromOption(QStringLiteral("../English")));

        const QLocale german(QStringLiteral("de_DE"));
        QCOMPARE(StartupLanguage(QStringLiteral("Japanese"), german), QStringLiteral("Japanese"));
        QCOMPARE(StartupLanguage(std::nullopt, german), QStringLiteral("German"));
    }
};

QTEST_APPLESS_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
