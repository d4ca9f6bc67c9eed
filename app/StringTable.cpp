#include "app/StringTable.h"

#include <QByteArray>

#include <array>

namespace {

struct StringEntry {
    StringId id;
    const char* text; // UTF-8
};

constexpr std::array kStrings{
    StringEntry{StringId::LibraryFileNotFound, "未找到该词库文件"},
    StringEntry{StringId::CannotDeleteLastLibrary, "不能删了,没有库文件你怎么用"},
    StringEntry{StringId::WriteFileError, "写文件出错!"},
    StringEntry{StringId::EmptyLibraryEntry, "Error#词库为空"},
    StringEntry{StringId::MissingLibraryEntry, "Error#无该词库文件"},
    StringEntry{StringId::ConfirmClearNewWordBook, "是否清空生词本？"},
    StringEntry{StringId::ConfirmDeleteWord, "是否删除当前单词？"},
    StringEntry{StringId::WordAddedToNewWordBook, "当前单词已写入生词本!"},
    StringEntry{StringId::LibraryAlreadyListed, "已有该词库或重名"},
    StringEntry{StringId::ColumnNumber, "序号"},
    StringEntry{StringId::ColumnWord, "单词"},
    StringEntry{StringId::ColumnMeaning, "解释"},
    StringEntry{StringId::TipPlacePrefix, " 第"},
    StringEntry{StringId::TipGroupSuffix, " 组,第 "},
    StringEntry{StringId::TipWordSuffix, "个单词"},
    StringEntry{StringId::WordNotFound, "单词未找到！"},
    StringEntry{StringId::ButtonOk, "确定"},
    StringEntry{StringId::ButtonCancel, "取消"},
    StringEntry{StringId::ButtonHelp, "帮助"},
    StringEntry{StringId::ProgramName, "Lexado"},
};

QByteArray TranslationId(StringId id) {
    return "IDS_" + QByteArray::number(static_cast<int>(id));
}

} // namespace

QString SourceStringText(StringId id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return QString::fromUtf8(entry.text);
        }
    }
    return {};
}

QString StringText(StringId id) {
    const QByteArray trId = TranslationId(id);
    const QString translated = qtTrId(trId.constData());
    // qtTrId hands back the id itself when no installed translator knows it.
    if (translated != QLatin1String(trId)) {
        return translated;
    }
    return SourceStringText(id);
}
