#include "strings/LanguageSwitch.h"
#include "strings/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kBuiltLanguages = QStringLiteral(LEXADO_OUTPUT_DIR "/language");

// The text Qt's own dialogs show on their Cancel button.
QString QtCancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

QString WriteError() {
    return StringText(StringId::WriteFileError);
}

// A language folder holding the named files, each a copy of a built language file.
void Provide(const QTemporaryDir& folder, const QList<std::pair<QString, QString>>& copies) {
    for (const auto& [from, to] : copies) {
        QVERIFY(QFile::copy(QDir(kBuiltLanguages).filePath(from + QStringLiteral(".qm")),
                            folder.filePath(to + QStringLiteral(".qm"))));
    }
}

} // namespace

class TestLanguageSwitch : public QObject {
    Q_OBJECT

private slots:
    // Switching replaces the texts and Qt's own translation; a language whose file cannot be
    // loaded leaves both as they were; the switch's end takes its translators away.
    void switchingReplacesTheLanguageInUse() {
        QTemporaryDir folder;
        Provide(folder, {{QStringLiteral("English"), QStringLiteral("English")},
                         {QStringLiteral("English"), QStringLiteral("German")},
                         {QStringLiteral("pChinese"), QStringLiteral("pChinese")}});
        QFile corrupt(folder.filePath(QStringLiteral("Japanese.qm")));
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("not a language file");
        corrupt.close();
        const QString chinese = QString::fromUtf8("写文件出错!");
        const QString english = QStringLiteral("Error writing file!");
        {
            LanguageSwitch languages(folder.path());
            QCOMPARE(languages.LanguageInUse(), QString());

            QVERIFY(languages.SwitchLanguage(2));
            QCOMPARE(languages.LanguageInUse(), QStringLiteral("English"));
            QCOMPARE(WriteError(), english);
            QCOMPARE(QtCancel(), QStringLiteral("Cancel"));

            QVERIFY(languages.LoadLanguage(QStringLiteral("German")));
            QCOMPARE(QtCancel(), QStringLiteral("Abbrechen"));

            // Missing, unreadable, unknown to the program, out of range: nothing changes.
            QVERIFY(!languages.SwitchLanguage(1));
            QVERIFY(!languages.SwitchLanguage(3));
            QVERIFY(!languages.SwitchLanguage(4));
            QVERIFY(!languages.SwitchLanguage(5));
            QVERIFY(!languages.LoadLanguage(QStringLiteral("../language/English")));
            QCOMPARE(languages.LanguageInUse(), QStringLiteral("German"));
            QCOMPARE(WriteError(), english);
            QCOMPARE(QtCancel(), QStringLiteral("Abbrechen"));

            // The language in use can be chosen again; Simplified Chinese brings Qt's own.
            QVERIFY(languages.LoadLanguage(QStringLiteral("German")));
            QVERIFY(languages.SwitchLanguage(0));
            QCOMPARE(WriteError(), chinese);
            QCOMPARE(QtCancel(), QString::fromUtf8("取消"));
            QCOMPARE(QCoreApplication::translate(nullptr, "IDS_105"), chinese);
        }
        QCOMPARE(QtCancel(), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate(nullptr, "IDS_105"), QStringLiteral("IDS_105"));
    }

    // Start-up falls back to English without a word, and fails only when English fails too;
    // the real language folder of the build serves.
    void startupFallsBackToEnglish() {
        QTemporaryDir onlyEnglish;
        Provide(onlyEnglish, {{QStringLiteral("English"), QStringLiteral("English")}});
        {
            LanguageSwitch languages(onlyEnglish.path());
            QVERIFY(languages.LoadStartupLanguage(QStringLiteral("German")));
            QCOMPARE(languages.LanguageInUse(), QStringLiteral("English"));
            QCOMPARE(WriteError(), QStringLiteral("Error writing file!"));
        }
        {
            QTemporaryDir empty;
            LanguageSwitch languages(empty.path());
            QVERIFY(!languages.LoadStartupLanguage(QStringLiteral("German")));
            QCOMPARE(languages.LanguageInUse(), QString());
            QCOMPARE(StringText(StringId::ResourceLoadFailed),
                     QStringLiteral("Unable to load resource DLL!"));
        }
        LanguageSwitch built(kBuiltLanguages);
        QVERIFY(built.LoadStartupLanguage(QStringLiteral("pChinese")));
        QCOMPARE(built.LanguageInUse(), QStringLiteral("pChinese"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
