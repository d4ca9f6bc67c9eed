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
    LibraryManagerCaption = 187,   // "库文件管理", caption of the library manager
    ChooseLibraryCaption = 188,    // "选择词库", caption of the choose-library dialog
    FindCaption = 206,             // "查找/定位", the caption of the find dialog (dialog 206)
    ProgramName = 300,             // "Lexado"
    // Texts of this program's own, from 400 on.
    NotProgressFile = 400,   // "该文件不是进度文件!"
    NameTooLong = 420,       // "词库名和文件名最多19个字节(约6个汉字)"
    HashInLibraryName = 421, // "词库名不能含有“#”"
    EnterAnInteger = 61712,  // "请键入一个整数。"
    // Texts of dialog controls: dialog × 10000 + the control's id ("IDD_<dialog>_<control>");
    // a label carries the id of the control it names.
    ButtonDeleteLibrary = 1871000, // "删除"
    ButtonAddLibrary = 1871001,    // "添加"
    ButtonRemoveLibrary = 1871002, // "移出"
    LibraryListLabel = 1871007,    // "已有的词库"
    ButtonRenameLibrary = 1871016, // "改名"
    ButtonMoveUp = 1871017,        // "上移"
    ButtonMoveDown = 1871018,      // "下移"
    LibraryNameLabel = 1871052,    // "词库名"
    LibraryFileLabel = 1871053,    // "对应文件名"
    WordCountLabel = 1881025,      // "单词总数:"
    // Texts of the context menu, menu 144: menu × 100000 + the item's command id
    // ("IDM_144_<command>"); the Language sub-menu, which has no command, takes its position.
    MenuPause = 14432786,              // "暂停(&P)"
    MenuReadAgain = 14432795,          // "再读一遍(&R)"
    MenuAddToNewWordBook = 14432781,   // "存入生词本(&S)"
    MenuDeleteWord = 14432793,         // "删除单词(&D)"
    MenuChooseLibrary = 14432771,      // "选择词库(&W)"
    MenuSettings = 14432792,           // "设置(&T)"
    MenuLibraryManager = 14432794,     // "库文件管理(&M)"
    MenuClearNewWordBook = 14432780,   // "清空生词本(&C)"
    MenuSaveProgress = 14432788,       // "保存进度(&Z)"
    MenuLoadProgress = 14432789,       // "取出进度(&O)"
    MenuPreviousGroup = 14432796,      // "上一组(&L)"
    MenuNextGroup = 14432797,          // "下一组(&N)"
    MenuFind = 14432799,               // "查找/定位(&F)"
    MenuAlwaysOnTop = 14432800,        // "总在最前(&A)"
    MenuLanguage = 14400015,           // "Language"
    MenuSimplifiedChinese = 14432802,  // "Simplified Chinese"
    MenuTraditionalChinese = 14432803, // "Traditional Chinese"
    MenuEnglish = 14432804,            // "English"
    MenuJapanese = 14432805,           // "Japanese"
    MenuKorean = 14432806,             // "Korean"
    MenuHelp = 14432775,               // "帮助(&H)"
    MenuAbout = 14432776,              // "关于(&A)"
    MenuExit = 14432777,               // "退出(&X)"
};
