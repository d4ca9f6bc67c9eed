#include "app/StringTable.h"

#include <QCoreApplication>
#include <QTranslator>

#include <array>

namespace {

struct StringEntry {
    StringId id;
    const char* trId;
};

// The source text after each "//%" is the program's own Simplified Chinese copy; lupdate
// takes it into the translation files, and lrelease into language/pChinese.qm.
constexpr std::array kStrings{
    //% "未找到该词库文件"
    StringEntry{StringId::LibraryFileNotFound, QT_TRID_NOOP("IDS_103")},
    //% "不能删了,没有库文件你怎么用"
    StringEntry{StringId::CannotRemoveLastLibrary, QT_TRID_NOOP("IDS_104")},
    //% "写文件出错!"
    StringEntry{StringId::WriteFileError, QT_TRID_NOOP("IDS_105")},
    //% "Error#词库为空"
    StringEntry{StringId::EmptyLibraryEntry, QT_TRID_NOOP("IDS_106")},
    //% "Error#无该词库文件"
    StringEntry{StringId::MissingLibraryEntry, QT_TRID_NOOP("IDS_107")},
    //% "是否清空生词本？"
    StringEntry{StringId::ConfirmClearNewWordBook, QT_TRID_NOOP("IDS_108")},
    //% "是否删除当前单词？"
    StringEntry{StringId::ConfirmDeleteWord, QT_TRID_NOOP("IDS_109")},
    //% "当前单词已写入生词本!"
    StringEntry{StringId::WordAddedToNewWordBook, QT_TRID_NOOP("IDS_110")},
    //% "已有该词库或重名"
    StringEntry{StringId::LibraryAlreadyListed, QT_TRID_NOOP("IDS_111")},
    //% "序号"
    StringEntry{StringId::ColumnNumber, QT_TRID_NOOP("IDS_112")},
    //% "单词"
    StringEntry{StringId::ColumnWord, QT_TRID_NOOP("IDS_113")},
    //% "解释"
    StringEntry{StringId::ColumnMeaning, QT_TRID_NOOP("IDS_114")},
    //% " 第"
    StringEntry{StringId::TipPlacePrefix, QT_TRID_NOOP("IDS_115")},
    //% " 组,第 "
    StringEntry{StringId::TipGroupSuffix, QT_TRID_NOOP("IDS_116")},
    //% "个单词"
    StringEntry{StringId::TipWordSuffix, QT_TRID_NOOP("IDS_117")},
    //% "单词未找到！"
    StringEntry{StringId::WordNotFound, QT_TRID_NOOP("IDS_118")},
    //% "确定"
    StringEntry{StringId::ButtonOk, QT_TRID_NOOP("IDS_119")},
    //% "取消"
    StringEntry{StringId::ButtonCancel, QT_TRID_NOOP("IDS_120")},
    //% "帮助"
    StringEntry{StringId::ButtonHelp, QT_TRID_NOOP("IDS_121")},
    //% "设置"
    StringEntry{StringId::SettingsCaption, QT_TRID_NOOP("IDS_148")},
    //% "Lexado"
    StringEntry{StringId::ProgramName, QT_TRID_NOOP("IDS_300")},
    //% "请键入一个整数。"
    StringEntry{StringId::EnterAnInteger, QT_TRID_NOOP("IDS_61712")},
};

const char* TranslationId(StringId id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.trId;
        }
    }
    return "";
}

// The program's own copy, compiled in from language/pChinese.qm.
const QTranslator& OwnStrings() {
    static QTranslator translator;
    static const bool loaded = translator.load(QStringLiteral(":/language/pChinese.qm"));
    Q_UNUSED(loaded);
    return translator;
}

} // namespace

QString StringText(StringId id) {
    const char* trId = TranslationId(id);
    const QString text = qtTrId(trId);
    // qtTrId hands back the id itself when no installed translator knows it.
    if (text != QLatin1String(trId)) {
        return text;
    }
    return OwnStrings().translate(nullptr, trId);
}
