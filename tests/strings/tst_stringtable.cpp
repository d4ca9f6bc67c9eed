#include "controls/MenuLayout.h"
#include "strings/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

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

// The nine interface languages; each must have its file.
const QStringList kLanguages{
    QStringLiteral("pChinese"), QStringLiteral("cChinese"), QStringLiteral("English"),
    QStringLiteral("Japanese"), QStringLiteral("Korean"),   QStringLiteral("German"),
    QStringLiteral("French"),   QStringLiteral("Spanish"),  QStringLiteral("Russian"),
};

// Languages whose menus mark the mnemonic with a "(&P)" after the label, as the source does.
bool WritesMnemonicSuffix(const QString& language) {
    return language == QStringLiteral("pChinese") || language == QStringLiteral("cChinese") ||
           language == QStringLiteral("Japanese") || language == QStringLiteral("Korean");
}

// Languages written without Chinese characters: a text holding one was left untranslated.
bool WrittenWithoutHan(const QString& language) {
    return !WritesMnemonicSuffix(language) || language == QStringLiteral("Korean");
}

// Texts that read the same in every language: the program's name and version, the message
// shown when no language file loads, and the Language sub-menu, which stays English so that
// anyone can find their way back from a language they cannot read.
const QList<StringId> kUntranslated{
    StringId::ProgramName,  StringId::AboutVersion,          StringId::ResourceLoadFailed,
    StringId::MenuLanguage, StringId::MenuSimplifiedChinese, StringId::MenuTraditionalChinese,
    StringId::MenuEnglish,  StringId::MenuJapanese,          StringId::MenuKorean,
};

// A message as a translation file holds it: the source text written beside the id in the
// code, and its translation; finished means the translator marked it done.
struct Translation {
    QString source;
    QString text;
    bool finished = false;
};

// The translations of resources/translations/<language>.ts by id, read once.
const QHash<QString, Translation>& TranslationSource(const QString& language) {
    static QHash<QString, QHash<QString, Translation>> read;
    if (!read.contains(language)) {
        QHash<QString, Translation>& translations = read[language];
        QFile file(QStringLiteral(LEXADO_SOURCE_DIR "/resources/translations/%1.ts").arg(language));
        if (!file.open(QIODevice::ReadOnly)) {
            return translations;
        }
        QXmlStreamReader xml(&file);
        QString id;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("message")) {
                id = xml.attributes().value(QLatin1String("id")).toString();
            } else if (xml.name() == QLatin1String("source")) {
                translations[id].source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                translations[id].finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                translations[id].text = xml.readElementText();
            }
        }
    }
    return read[language];
}

// The built language file of the language, loaded once; null when it cannot be loaded.
const QTranslator* LanguageFile(const QString& language) {
    static QHash<QString, std::shared_ptr<QTranslator>> loaded;
    if (!loaded.contains(language)) {
        auto translator = std::make_shared<QTranslator>();
        const bool ok =
            translator->load(QStringLiteral(LEXADO_OUTPUT_DIR "/language/%1.qm").arg(language));
        loaded.insert(language, ok ? translator : nullptr);
    }
    return loaded.value(language).get();
}

// The %1 and %d style placeholders of a text, sorted.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?[0-9]+|[dsn])"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

// The mnemonic marker of a menu label: "&P" in "Pau&se", "(&P)" in "暂停(&P)".
QString MnemonicMarker(const QString& label, bool suffixForm) {
    static const QRegularExpression suffix(QStringLiteral("\\(&[A-Z]\\)$"));
    static const QRegularExpression inside(QStringLiteral("&[^&\\s]"));
    return (suffixForm ? suffix : inside).match(label).captured();
}

bool IsMenuRow(StringId id) {
    return QLatin1String(TranslationId(id)).startsWith(QLatin1String("IDM_"));
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

    // Every text in each of the nine languages is there and keeps what the program relies on:
    // the placeholders, the menu rows' mnemonic and shortcut column, the pseudo-entries' word
    // "Error" before the "#", and the texts that stay as they are.
    void everyTranslationKeepsTheSourceForm_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<StringId>("id");
        for (const QString& language : kLanguages) {
            for (const StringId id : AllStringIds()) {
                QTest::addRow("%s %s", qPrintable(language), qPrintable(IdName(id)))
                    << language << id;
            }
        }
    }
    void everyTranslationKeepsTheSourceForm() {
        QFETCH(QString, language);
        QFETCH(StringId, id);
        const QString trId = QLatin1String(TranslationId(id));
        const QString source = StringText(id);
        const Translation translation = TranslationSource(language).value(trId);
        QCOMPARE(translation.source, source);
        const bool sourceLanguage = language == QStringLiteral("pChinese");
        QString text = translation.text;
        if (sourceLanguage && !translation.finished) {
            text = source; // lrelease puts the source text where none is filled in
        } else {
            QVERIFY2(translation.finished && !text.trimmed().isEmpty(), "not translated");
        }
        if (sourceLanguage) {
            QCOMPARE(text, source);
        }
        // The built file carries it: without a translation, lrelease would have put the
        // Simplified Chinese source there instead.
        const QTranslator* file = LanguageFile(language);
        QVERIFY2(file, "the language file does not load");
        QCOMPARE(file->translate(nullptr, qPrintable(trId)), text);

        if (WrittenWithoutHan(language)) {
            static const QRegularExpression han(QStringLiteral("\\p{Han}"));
            QVERIFY2(!text.contains(han), qPrintable(text));
        }
        QCOMPARE(Placeholders(text), Placeholders(source));
        if (kUntranslated.contains(id)) {
            QCOMPARE(text, source);
        }
        if (source.contains(QLatin1String("Lexado"))) {
            QVERIFY(text.contains(QLatin1String("Lexado")));
        }
        if (source.startsWith(QLatin1String("Error#"))) {
            QVERIFY(text.startsWith(QLatin1String("Error#")));
            QCOMPARE(text.count(u'#'), 1);
        }
        if (IsMenuRow(id)) {
            const MenuTextParts sourceParts = SplitMenuText(source);
            const MenuTextParts parts = SplitMenuText(text);
            QCOMPARE(parts.shortcut, sourceParts.shortcut);
            const QString sourceMnemonic = MnemonicMarker(sourceParts.label, true);
            if (WritesMnemonicSuffix(language)) {
                QCOMPARE(MnemonicMarker(parts.label, true), sourceMnemonic);
            } else if (!sourceMnemonic.isEmpty()) {
                QVERIFY2(!MnemonicMarker(parts.label, false).isEmpty(), qPrintable(text));
                QCOMPARE(parts.label.count(u'&'), 1);
            }
        }
    }

    // Where a language places the mnemonic on a letter of its own words, no two rows of the
    // menu share it, so that every letter chooses its row at once.
    void menuMnemonicsAreUnique_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages) {
            if (!WritesMnemonicSuffix(language)) {
                QTest::newRow(qPrintable(language)) << language;
            }
        }
    }
    void menuMnemonicsAreUnique() {
        QFETCH(QString, language);
        QHash<QString, QString> rowOfMnemonic;
        qsizetype rowsWithMnemonic = 0;
        for (const StringId id : AllStringIds()) {
            if (!IsMenuRow(id) || MnemonicMarker(StringText(id), false).isEmpty()) {
                continue;
            }
            ++rowsWithMnemonic;
            const QString text =
                TranslationSource(language).value(QLatin1String(TranslationId(id))).text;
            const QString mnemonic = MnemonicMarker(SplitMenuText(text).label, false).toUpper();
            QVERIFY2(!mnemonic.isEmpty() && !rowOfMnemonic.contains(mnemonic),
                     qPrintable(rowOfMnemonic.value(mnemonic) + QStringLiteral(" / ") + text));
            rowOfMnemonic.insert(mnemonic, text);
        }
        QVERIFY(rowsWithMnemonic > 0);
    }

    // The program's own texts, exactly: the other tests compare with the table's text for an
    // id, so that a text is spelt out once, here.
    void ownTextsAreExact_data() {
        QTest::addColumn<StringId>("id");
        QTest::addColumn<QString>("text");
        const QString ideographic(1, QChar(0x3000));
        const auto pad = [](const QString& label, const QString& space, int count,
                            const QString& keys) { return label + space.repeated(count) + keys; };
        const QList<std::pair<StringId, QString>> rows{
            {StringId::MenuPause, pad("暂停(&P)", ideographic, 5, "Ctrl+P ")},
            {StringId::MenuReadAgain, pad("再读一遍(&R)", ideographic, 3, "Ctrl+R")},
            {StringId::MenuAddToNewWordBook, pad("存入生词本(&S)", ideographic, 2, "Ctrl+S")},
            {StringId::MenuDeleteWord, pad("删除单词(&D)", " ", 6, "Ctrl+Del")},
            {StringId::MenuRateKnown, pad("我认识(&K)", " ", 8, "Ctrl+K")},
            {StringId::MenuRateAgain, pad("不认识(&J)", " ", 8, "Ctrl+J")},
            {StringId::StatsMenu, pad("学习统计(&I)", ideographic, 3, "Ctrl+I")},
            {StringId::MenuChooseLibrary, pad("选择词库(&W)", " ", 6, "Ctrl+W ")},
            {StringId::MenuSettings, pad("设置(&T)", ideographic, 5, "Ctrl+T")},
            {StringId::MenuLibraryManager, "库文件管理(&M)"},
            {StringId::MenuClearNewWordBook, "清空生词本(&C)"},
            {StringId::MenuSaveProgress, "保存进度(&Z)"},
            {StringId::MenuLoadProgress, "取出进度(&O)"},
            {StringId::MenuPreviousGroup, pad("上一组(&L)", " ", 8, "Ctrl+L")},
            {StringId::MenuNextGroup, pad("下一组(&N)", " ", 8, "Ctrl+N")},
            {StringId::MenuFind, pad("查找/定位(&F)", " ", 5, "Ctrl+F")},
            {StringId::MenuAlwaysOnTop, "总在最前(&A)"},
            {StringId::MenuHelp, pad("帮助(&H)", ideographic, 5, "F1")},
            {StringId::MenuAbout, "关于(&A)"},
            {StringId::MenuExit, pad("退出(&X)", " ", 10, "Alt+X")},
            {StringId::LibraryFileNotFound, "未找到该词库文件"},
            {StringId::CannotRemoveLastLibrary, "不能删了,没有库文件你怎么用"},
            {StringId::WriteFileError, "写文件出错!"},
            {StringId::ConfirmClearNewWordBook, "是否清空生词本？"},
            {StringId::ConfirmDeleteWord, "是否删除当前单词？"},
            {StringId::WordAddedToNewWordBook, "当前单词已写入生词本!"},
            {StringId::LibraryAlreadyListed, "已有该词库或重名"},
            {StringId::WordNotFound, "单词未找到！"},
            {StringId::ButtonOk, "确定"},
            {StringId::ButtonCancel, "取消"},
            {StringId::ButtonHelp, "帮助"},
            {StringId::SettingsCaption, "设置"},
            {StringId::SettingsDisplayTab, "显示界面"},
            {StringId::SettingsBrowseTab, "浏览方式"},
            {StringId::SettingsOtherTab, "其它选项"},
            {StringId::LibraryManagerCaption, "库文件管理"},
            {StringId::ChooseLibraryCaption, "选择词库"},
            {StringId::FindCaption, "查找/定位"},
            {StringId::AboutCaption, "关于"},
            {StringId::AboutHomePage, "访问主页"},
            {StringId::AboutWriteToAuthor, "写给作者"},
            {StringId::NotProgressFile, "该文件不是进度文件!"},
            {StringId::NameTooLong, "词库名和文件名最多19个字节(约6个汉字)"},
            {StringId::HashInLibraryName, "词库名不能含有“#”"},
            {StringId::EnterAnInteger, "请键入一个整数。"},
            {StringId::PauseAway, "离开"},
            {StringId::PauseLocked, "屏幕已锁定"},
            {StringId::PauseFullScreen, "全屏程序"},
            {StringId::SettingsDesktopTab, "桌面"},
        };
        for (const auto& [id, text] : rows) {
            QTest::addRow("%s", qPrintable(IdName(id))) << id << text;
        }
    }
    void ownTextsAreExact() {
        QFETCH(StringId, id);
        QFETCH(QString, text);
        QCOMPARE(StringText(id), text);
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
