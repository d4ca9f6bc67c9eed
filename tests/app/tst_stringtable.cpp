#include "app/StringTable.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void ownCopyWithoutLanguageFile() {
        QCOMPARE(StringText(StringId::LibraryFileNotFound), QString::fromUtf8("未找到该词库文件"));
        QCOMPARE(StringText(StringId::CannotRemoveLastLibrary),
                 QString::fromUtf8("不能删了,没有库文件你怎么用"));
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
        QCOMPARE(StringText(StringId::EmptyLibraryEntry), QString::fromUtf8("Error#词库为空"));
        QCOMPARE(StringText(StringId::MissingLibraryEntry),
                 QString::fromUtf8("Error#无该词库文件"));
        QCOMPARE(StringText(StringId::ConfirmClearNewWordBook),
                 QString::fromUtf8("是否清空生词本？"));
        QCOMPARE(StringText(StringId::TipPlacePrefix), QString::fromUtf8(" 第"));
        QCOMPARE(StringText(StringId::TipGroupSuffix), QString::fromUtf8(" 组,第 "));
        QCOMPARE(StringText(StringId::TipWordSuffix), QString::fromUtf8("个单词"));
        QCOMPARE(StringText(StringId::WordNotFound), QString::fromUtf8("单词未找到！"));
        QCOMPARE(StringText(StringId::SettingsCaption), QString::fromUtf8("设置"));
        QCOMPARE(StringText(StringId::ProgramName), QStringLiteral("Lexado"));
        QCOMPARE(StringText(StringId::EnterAnInteger), QString::fromUtf8("请键入一个整数。"));
    }

    void languageFilesChangeTheTexts() {
        const QString languages = QStringLiteral(LEXADO_OUTPUT_DIR "/language/");
        QTranslator english;
        QVERIFY(english.load(languages + "English.qm"));
        QCoreApplication::installTranslator(&english);
        QCOMPARE(StringText(StringId::WriteFileError), QStringLiteral("Error writing file!"));
        QCOMPARE(StringText(StringId::MissingLibraryEntry),
                 QStringLiteral("Error#No such library file"));
        QCoreApplication::removeTranslator(&english);

        QTranslator chinese;
        QVERIFY(chinese.load(languages + "pChinese.qm"));
        QCoreApplication::installTranslator(&chinese);
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
        QCoreApplication::removeTranslator(&chinese);
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
