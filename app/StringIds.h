#pragma once

// Ids of the program's string table. The numbers are the resource numbers every language
// file uses for the same text, so "string 105" can be found here by its number.
enum class StringId : int {
    LibraryFileNotFound = 103, // "未找到该词库文件"
    CannotDeleteLastLibrary = 104,
    WriteFileError = 105,      // "写文件出错!"
    EmptyLibraryEntry = 106,   // "Error#词库为空"
    MissingLibraryEntry = 107, // "Error#无该词库文件"
    ConfirmClearNewWordBook = 108,
    ConfirmDeleteWord = 109,
    WordAddedToNewWordBook = 110,
    LibraryAlreadyListed = 111,
    ColumnNumber = 112,
    ColumnWord = 113,
    ColumnMeaning = 114,
    TipPlacePrefix = 115, // " 第"
    TipGroupSuffix = 116, // " 组,第 "
    TipWordSuffix = 117,  // "个单词"
    WordNotFound = 118,
    ButtonOk = 119,
    ButtonCancel = 120,
    ButtonHelp = 121,
    ProgramName = 300, // "Lexado"
};
