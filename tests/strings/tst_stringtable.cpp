#include "strings/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaEnum>
#include <QTranslator>
#include <QtTest>

namespace {

QList<StringId> AllStringIds() {
    const QMetaEnum ids = QMetaEnum::fromType<StringId>();
    QList<StringId> all;
    for (int i = 0; i < ids.keyCount(); ++i) {
        all << static_cast<StringId>(ids.value(i));
    }
    return all;
}

QString IdName(StringId id) {
    return QString::fromLatin1(QMetaEnum::fromType<StringId>().valueToKey(static_cast<int>(id)));
}

} // namespace

class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    // Every id has an entry in the table and a text in every language file, so that no text of
    // the program can come out empty in any language.
    void everyIdHasATextInEveryLanguage() {
        const QDir languages(QStringLiteral(LEXADO_OUTPUT_DIR "/language"));
        const QStringList files = languages.entryList({QStringLiteral("*.qm")});
        QVERIFY(files.contains(QStringLiteral("pChinese.qm")));
        for (const StringId id : AllStringIds()) {
            const char* trId = TranslationId(id);
            QVERIFY2(trId, qPrintable(IdName(id)));
            QVERIFY2(!StringText(id).isEmpty(), qPrintable(IdName(id)));
            for (const QString& file : files) {
                QTranslator translator;
                QVERIFY(translator.load(languages.filePath(file)));
                const QString text = translator.translate(nullptr, trId);
                QVERIFY2(!text.isEmpty(), qPrintable(file + QLatin1Char(' ') + IdName(id)));
            }
        }
    }

    // An installed language file supplies the texts; without one, the program's own copy does.
    void installedLanguageFileWins() {
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(LEXADO_OUTPUT_DIR "/language/English.qm")));
        QCoreApplication::installTranslator(&english);
        QCOMPARE(StringText(StringId::WriteFileError), QStringLiteral("Error writing file!"));
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
