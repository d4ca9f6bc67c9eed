#include "app/StringTable.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

// A translator that knows one id-based string, as a language file would.
class OneStringTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QByteArrayView(sourceText) == "IDS_105" ? QStringLiteral("Error writing file!")
                                                       : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void sourceTextsWithoutTranslation() {
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
        QCOMPARE(StringText(StringId::EmptyLibraryEntry), QString::fromUtf8("Error#词库为空"));
        QCOMPARE(StringText(StringId::MissingLibraryEntry),
                 QString::fromUtf8("Error#无该词库文件"));
        QCOMPARE(StringText(StringId::TipPlacePrefix), QString::fromUtf8(" 第"));
        QCOMPARE(StringText(StringId::TipGroupSuffix), QString::fromUtf8(" 组,第 "));
        QCOMPARE(StringText(StringId::ProgramName), QStringLiteral("Lexado"));
    }

    void installedTranslationWinsForTheIdsItKnows() {
        OneStringTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(StringText(StringId::WriteFileError), QStringLiteral("Error writing file!"));
        QCOMPARE(StringText(StringId::WordNotFound), QString::fromUtf8("单词未找到！"));
        QCOMPARE(SourceStringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(StringText(StringId::WriteFileError), QString::fromUtf8("写文件出错!"));
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
