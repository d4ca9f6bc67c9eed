#pragma once

// Ids of the program's string table. The numbers are the resource numbers every language
// file uses for the same text ("IDS_<number>"), so "string 105" can be found here.
enum class StringId : int {
    LibraryFileNotFound = 103,     // "未找到该词库文件"
    CannotRemoveLastLibrary = 104, // "不能删了,没有库文件你怎么用"
    WriteFileError = 105,          // "写文件出错!"
    EmptyLibraryEntry = 106,       // "Error#词库为空"
    MissingLibraryEntry = 107,     // "Error#无该词库文件"
    ConfirmClearNewWordBook = 108, // "是否清空生词本？"
    ConfirmDeleteWord = 109,       // "是否删除当前单词？"
    WordAddedToNewWordBook = 110,  // "当前单词已写入生词本!"
    LibraryAlreadyListed = 111,    // "已有该词库或重名"
    ColumnNumber = 112,            // "序号"
    ColumnWord = 113,              // "单词"
    ColumnMeaning = 114,           // "解释"
    TipPlacePrefix = 115,          // " 第"
    TipGroupSuffix = 116,          // " 组,第 "
    TipWordSuffix = 117,           // "个单词"
    WordNotFound = 118,            // "单词未找到！"
    ButtonOk = 119,                // "确定"
    ButtonCancel = 120,            // "取消"
    ButtonHelp = 121,              // "帮助"
    SettingsCaption = 148,         // "设置"
    ProgramName = 300,             // "Lexado"
    EnterAnInteger = 61712,        // "请键入一个整数。"
};
