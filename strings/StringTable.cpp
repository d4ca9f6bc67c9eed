#include "strings/StringTable.h"

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
    //% "库文件管理"
    StringEntry{StringId::LibraryManagerCaption, QT_TRID_NOOP("IDD_187")},
    //% "选择词库"
    StringEntry{StringId::ChooseLibraryCaption, QT_TRID_NOOP("IDD_188")},
    //% "查找/定位"
    StringEntry{StringId::FindCaption, QT_TRID_NOOP("IDD_206")},
    //% "Lexado"
    StringEntry{StringId::ProgramName, QT_TRID_NOOP("IDS_300")},
    //% "该文件不是进度文件!"
    StringEntry{StringId::NotProgressFile, QT_TRID_NOOP("IDS_400")},
    //% "词库名和文件名最多19个字节(约6个汉字)"
    StringEntry{StringId::NameTooLong, QT_TRID_NOOP("IDS_420")},
    //% "词库名不能含有“#”"
    StringEntry{StringId::HashInLibraryName, QT_TRID_NOOP("IDS_421")},
    //% "请键入一个整数。"
    StringEntry{StringId::EnterAnInteger, QT_TRID_NOOP("IDS_61712")},
    //% "删除"
    StringEntry{StringId::ButtonDeleteLibrary, QT_TRID_NOOP("IDD_187_1000")},
    //% "添加"
    StringEntry{StringId::ButtonAddLibrary, QT_TRID_NOOP("IDD_187_1001")},
    //% "移出"
    StringEntry{StringId::ButtonRemoveLibrary, QT_TRID_NOOP("IDD_187_1002")},
    //% "已有的词库"
    StringEntry{StringId::LibraryListLabel, QT_TRID_NOOP("IDD_187_1007")},
    //% "改名"
    StringEntry{StringId::ButtonRenameLibrary, QT_TRID_NOOP("IDD_187_1016")},
    //% "上移"
    StringEntry{StringId::ButtonMoveUp, QT_TRID_NOOP("IDD_187_1017")},
    //% "下移"
    StringEntry{StringId::ButtonMoveDown, QT_TRID_NOOP("IDD_187_1018")},
    //% "词库名"
    StringEntry{StringId::LibraryNameLabel, QT_TRID_NOOP("IDD_187_1052")},
    //% "对应文件名"
    StringEntry{StringId::LibraryFileLabel, QT_TRID_NOOP("IDD_187_1053")},
    //% "单词总数:"
    StringEntry{StringId::WordCountLabel, QT_TRID_NOOP("IDD_188_1025")},
    //% "暂停(&P)　　　　　Ctrl+P "
    StringEntry{StringId::MenuPause, QT_TRID_NOOP("IDM_144_32786")},
    //% "再读一遍(&R)　　　Ctrl+R"
    StringEntry{StringId::MenuReadAgain, QT_TRID_NOOP("IDM_144_32795")},
    //% "存入生词本(&S)　　Ctrl+S"
    StringEntry{StringId::MenuAddToNewWordBook, QT_TRID_NOOP("IDM_144_32781")},
    //% "删除单词(&D)      Ctrl+Del"
    StringEntry{StringId::MenuDeleteWord, QT_TRID_NOOP("IDM_144_32793")},
    //% "选择词库(&W)      Ctrl+W "
    StringEntry{StringId::MenuChooseLibrary, QT_TRID_NOOP("IDM_144_32771")},
    //% "设置(&T)　　　　　Ctrl+T"
    StringEntry{StringId::MenuSettings, QT_TRID_NOOP("IDM_144_32792")},
    //% "库文件管理(&M)"
    StringEntry{StringId::MenuLibraryManager, QT_TRID_NOOP("IDM_144_32794")},
    //% "清空生词本(&C)"
    StringEntry{StringId::MenuClearNewWordBook, QT_TRID_NOOP("IDM_144_32780")},
    //% "保存进度(&Z)"
    StringEntry{StringId::MenuSaveProgress, QT_TRID_NOOP("IDM_144_32788")},
    //% "取出进度(&O)"
    StringEntry{StringId::MenuLoadProgress, QT_TRID_NOOP("IDM_144_32789")},
    //% "上一组(&L)        Ctrl+L"
    StringEntry{StringId::MenuPreviousGroup, QT_TRID_NOOP("IDM_144_32796")},
    //% "下一组(&N)        Ctrl+N"
    StringEntry{StringId::MenuNextGroup, QT_TRID_NOOP("IDM_144_32797")},
    //% "查找/定位(&F)     Ctrl+F"
    StringEntry{StringId::MenuFind, QT_TRID_NOOP("IDM_144_32799")},
    //% "总在最前(&A)"
    StringEntry{StringId::MenuAlwaysOnTop, QT_TRID_NOOP("IDM_144_32800")},
    //% "Language"
    StringEntry{StringId::MenuLanguage, QT_TRID_NOOP("IDM_144_LANGUAGE")},
    //% "Simplified Chinese"
    StringEntry{StringId::MenuSimplifiedChinese, QT_TRID_NOOP("IDM_144_32802")},
    //% "Traditional Chinese"
    StringEntry{StringId::MenuTraditionalChinese, QT_TRID_NOOP("IDM_144_32803")},
    //% "English"
    StringEntry{StringId::MenuEnglish, QT_TRID_NOOP("IDM_144_32804")},
    //% "Japanese"
    StringEntry{StringId::MenuJapanese, QT_TRID_NOOP("IDM_144_32805")},
    //% "Korean"
    StringEntry{StringId::MenuKorean, QT_TRID_NOOP("IDM_144_32806")},
    //% "帮助(&H)　　　　　F1"
    StringEntry{StringId::MenuHelp, QT_TRID_NOOP("IDM_144_32775")},
    //% "关于(&A)"
    StringEntry{StringId::MenuAbout, QT_TRID_NOOP("IDM_144_32776")},
    //% "退出(&X)          Alt+X"
    StringEntry{StringId::MenuExit, QT_TRID_NOOP("IDM_144_32777")},
    //% "关于"
    StringEntry{StringId::AboutCaption, QT_TRID_NOOP("IDD_100")},
    //% "Lexado 1.0 Beta6"
    StringEntry{StringId::AboutVersion, QT_TRID_NOOP("IDD_100_1046")},
    //% "版权所有 © 2026 Lexado 开发者"
    StringEntry{StringId::AboutCopyright, QT_TRID_NOOP("IDD_100_1047")},
    //% "访问主页"
    StringEntry{StringId::AboutHomePage, QT_TRID_NOOP("IDD_100_1005")},
    //% "写给作者"
    StringEntry{StringId::AboutWriteToAuthor, QT_TRID_NOOP("IDD_100_1006")},
    // Shown when no language file loads, so it reads the same in every language.
    //% "Unable to load resource DLL!"
    StringEntry{StringId::ResourceLoadFailed, QT_TRID_NOOP("IDS_470")},
    //% "显示界面"
    StringEntry{StringId::SettingsDisplayTab, QT_TRID_NOOP("IDD_149")},
    //% "浏览方式"
    StringEntry{StringId::SettingsBrowseTab, QT_TRID_NOOP("IDD_150")},
    //% "其它选项"
    StringEntry{StringId::SettingsOtherTab, QT_TRID_NOOP("IDD_151")},
    //% "字体"
    StringEntry{StringId::FontChooserCaption, QT_TRID_NOOP("IDS_450")},
    //% "颜色:"
    StringEntry{StringId::FontChooserColour, QT_TRID_NOOP("IDS_451")},
    //% "字体"
    StringEntry{StringId::ButtonChooseFont, QT_TRID_NOOP("IDD_149_1030")},
    //% "背景"
    StringEntry{StringId::ButtonBackColour, QT_TRID_NOOP("IDD_149_1031")},
    //% "进度条"
    StringEntry{StringId::ButtonBarColour, QT_TRID_NOOP("IDD_149_1015")},
    //% "Lexado 背诵"
    StringEntry{StringId::PreviewText, QT_TRID_NOOP("IDD_149_1028")},
    //% "选项"
    StringEntry{StringId::DisplayOptionsGroup, QT_TRID_NOOP("IDD_149_GROUP_OPTIONS")},
    //% "词意缓出"
    StringEntry{StringId::CheckFadeInMeaning, QT_TRID_NOOP("IDD_149_1022")},
    //% "中文解释"
    StringEntry{StringId::CheckShowMeaning, QT_TRID_NOOP("IDD_149_1017")},
    //% "进度条"
    StringEntry{StringId::CheckProgressBar, QT_TRID_NOOP("IDD_149_1019")},
    //% "一行显示"
    StringEntry{StringId::CheckOneLine, QT_TRID_NOOP("IDD_149_1020")},
    //% "浏览方式"
    StringEntry{StringId::BrowseModeGroup, QT_TRID_NOOP("IDD_150_GROUP_BROWSE")},
    //% "顺序"
    StringEntry{StringId::RadioInOrder, QT_TRID_NOOP("IDD_150_1034")},
    //% "随机"
    StringEntry{StringId::RadioAtRandom, QT_TRID_NOOP("IDD_150_1035")},
    //% "分组"
    StringEntry{StringId::CheckGrouping, QT_TRID_NOOP("IDD_150_1016")},
    //% "分组设定"
    StringEntry{StringId::GroupSettingsGroup, QT_TRID_NOOP("IDD_150_GROUP_GROUPS")},
    //% "当前为第"
    StringEntry{StringId::GroupNumberBefore, QT_TRID_NOOP("IDD_150_1046")},
    //% "组单词"
    StringEntry{StringId::GroupNumberAfter, QT_TRID_NOOP("IDD_150_1047")},
    //% "每组"
    StringEntry{StringId::GroupSizeBefore, QT_TRID_NOOP("IDD_150_1048")},
    //% "个单词."
    StringEntry{StringId::GroupSizeAfter, QT_TRID_NOOP("IDD_150_1049")},
    //% "每组重复"
    StringEntry{StringId::GroupRepeatsBefore, QT_TRID_NOOP("IDD_150_1051")},
    //% "次"
    StringEntry{StringId::GroupRepeatsAfter, QT_TRID_NOOP("IDD_150_1050")},
    //% "每个单词停留时间"
    StringEntry{StringId::SecondsBefore, QT_TRID_NOOP("IDD_150_SECONDS")},
    //% "秒"
    StringEntry{StringId::SecondsAfter, QT_TRID_NOOP("IDD_150_SECONDS_UNIT")},
    //% "当前词库:"
    StringEntry{StringId::CurrentLibraryLabel, QT_TRID_NOOP("IDD_150_1010")},
    //% "单词总数:"
    StringEntry{StringId::BrowseWordCountLabel, QT_TRID_NOOP("IDD_150_1025")},
    //% "英文发音"
    StringEntry{StringId::CheckSpeech, QT_TRID_NOOP("IDD_151_1018")},
    //% "发音引擎"
    StringEntry{StringId::VoiceGroup, QT_TRID_NOOP("IDD_151_GROUP_ENGINE")},
    //% "测试"
    StringEntry{StringId::ButtonTestVoice, QT_TRID_NOOP("IDD_151_1033")},
    //% "鼠标左键双击功能设置"
    StringEntry{StringId::DoubleClickGroup, QT_TRID_NOOP("IDD_151_GROUP_DOUBLE_CLICK")},
    //% "暂停浏览"
    StringEntry{StringId::RadioPause, QT_TRID_NOOP("IDD_151_1002")},
    //% "当前单词再读一遍"
    StringEntry{StringId::RadioReadAgain, QT_TRID_NOOP("IDD_151_1004")},
    //% "当前单词加入生词本"
    StringEntry{StringId::RadioAddToNewWordBook, QT_TRID_NOOP("IDD_151_1001")},
    //% "删除当前单词"
    StringEntry{StringId::RadioDeleteWord, QT_TRID_NOOP("IDD_151_1000")},
    //% "显示确认信息"
    StringEntry{StringId::CheckConfirmActions, QT_TRID_NOOP("IDD_151_1054")},
    // Import and export of word lists.
    //% "已导入词库“%1”（文件 %2）：%3 个词条，其中 %4 个补上了音标。"
    StringEntry{StringId::ImportDone, QT_TRID_NOOP("IDS_440")},
    //% "跳过了 %1 个没有单词的词条。"
    StringEntry{StringId::ImportSkippedEmptyWords, QT_TRID_NOOP("IDS_441")},
    //% "跳过了 %1 个停用的词条。"
    StringEntry{StringId::ImportSkippedInactive, QT_TRID_NOOP("IDS_442")},
    //% "无法打开该文件。"
    StringEntry{StringId::ImportCannotRead, QT_TRID_NOOP("IDS_443")},
    //% "该文件不是单词表：可导入 KVTML 文件和以逗号或制表符分隔的文本。"
    StringEntry{StringId::ImportNotWordList, QT_TRID_NOOP("IDS_444")},
    //% "不支持旧版 KVTML 文件，请先用 KWordQuiz 或 Parley 另存一次。"
    StringEntry{StringId::ImportOldKvtml, QT_TRID_NOOP("IDS_445")},
    //% "文件第 %1 行有格式错误。"
    StringEntry{StringId::ImportMalformed, QT_TRID_NOOP("IDS_446")},
    //% "文件中没有可导入的单词。"
    StringEntry{StringId::ImportNoEntries, QT_TRID_NOOP("IDS_447")},
    //% "已导出 %1 个词条。"
    StringEntry{StringId::ExportDone, QT_TRID_NOOP("IDS_448")},
    //% "词库名和文件名不能含有换行等控制字符"
    StringEntry{StringId::ControlCharacterInName, QT_TRID_NOOP("IDS_422")},
    // Importing a word list from the library manager.
    //% "导入…"
    StringEntry{StringId::ButtonImportLibrary, QT_TRID_NOOP("IDD_187_1060")},
    //% "单词表"
    StringEntry{StringId::ImportFilterWordLists, QT_TRID_NOOP("IDS_460")},
    //% "KVTML 文件"
    StringEntry{StringId::ImportFilterKvtml, QT_TRID_NOOP("IDS_461")},
    //% "文本文件"
    StringEntry{StringId::ImportFilterText, QT_TRID_NOOP("IDS_462")},
    //% "所有文件"
    StringEntry{StringId::ImportFilterAllFiles, QT_TRID_NOOP("IDS_463")},
    //% "正在导入单词表…"
    StringEntry{StringId::ImportRunning, QT_TRID_NOOP("IDS_464")},
    //% "词库列表中没有“%1”。"
    StringEntry{StringId::ExportUnknownLibrary, QT_TRID_NOOP("IDS_465")},
    //% "%1 个词条没有补上音标：单词表标明它们的语言是 %2，不是英语。"
    StringEntry{StringId::ImportPhoneticsOtherLanguage, QT_TRID_NOOP("IDS_466")},
    //% "%1 个词条没有补上音标：单词不是英文。"
    StringEntry{StringId::ImportPhoneticsNotEnglishText, QT_TRID_NOOP("IDS_467")},
    //% "跳过了第 %1 行开始的记录：其中的引号没有结束。"
    StringEntry{StringId::ImportSkippedUnclosedQuote, QT_TRID_NOOP("IDS_468")},
    //% "跳过了 %1 行无法识别编码的文字（既不是 UTF-8 也不是 GB18030）。"
    StringEntry{StringId::ImportSkippedUndecodableLines, QT_TRID_NOOP("IDS_469")},
    //% "无法创建文件夹 %1"
    StringEntry{StringId::CannotCreateFolder, QT_TRID_NOOP("IDS_471")},
    //% "词库列表正被另一个程序修改，请稍后再试。"
    StringEntry{StringId::CatalogueBusy, QT_TRID_NOOP("IDS_472")},
    //% "这不是普通文件，不能写入。"
    StringEntry{StringId::ExportNotRegularFile, QT_TRID_NOOP("IDS_473")},
    //% "词库名不能只有空白"
    StringEntry{StringId::BlankLibraryName, QT_TRID_NOOP("IDS_474")},
    //% "无法在文件夹 %1 中写入。"
    StringEntry{StringId::CannotWriteInFolder, QT_TRID_NOOP("IDS_475")},
    //% "磁盘已满。"
    StringEntry{StringId::DiskFull, QT_TRID_NOOP("IDS_476")},
    // The usage text: the options themselves and the names of their values stay as typed.
    //% "用法：lexado [选项]...\n背单词程序：把词库中的单词一个接一个地显示出来。"
    StringEntry{StringId::UsageHeading, QT_TRID_NOOP("IDS_480")},
    //% "把设置、词库列表和词库都放在 DIR 中"
    StringEntry{StringId::UsageHome, QT_TRID_NOOP("IDS_481")},
    //% "把单词表（KVTML、CSV、以制表符分隔的文本）导入为新词库"
    StringEntry{StringId::UsageImport, QT_TRID_NOOP("IDS_482")},
    //% "--import 所建词库的名称"
    StringEntry{StringId::UsageName, QT_TRID_NOOP("IDS_483")},
    //% "把词库 NAME 以制表符分隔的文本写入 FILE"
    StringEntry{StringId::UsageExport, QT_TRID_NOOP("IDS_484")},
    //% "以语言 NAME 启动，NAME 为 pChinese、cChinese、English、Japanese、\n"
    //% "Korean、German、French、Spanish、Russian 之一"
    StringEntry{StringId::UsageLanguage, QT_TRID_NOOP("IDS_485")},
    //% "启动时不显示启动画面"
    StringEntry{StringId::UsageNoSplash, QT_TRID_NOOP("IDS_486")},
    //% "显示本帮助"
    StringEntry{StringId::UsageHelp, QT_TRID_NOOP("IDS_487")},
    //% "显示版本"
    StringEntry{StringId::UsageVersion, QT_TRID_NOOP("IDS_488")},
    //% "让正在运行的 Lexado 暂停"
    StringEntry{StringId::UsagePause, QT_TRID_NOOP("IDS_490")},
    //% "让正在运行的 Lexado 继续"
    StringEntry{StringId::UsageResume, QT_TRID_NOOP("IDS_491")},
    //% "暂停或继续正在运行的 Lexado"
    StringEntry{StringId::UsageTogglePause, QT_TRID_NOOP("IDS_492")},
    //% "立即显示下一个单词"
    StringEntry{StringId::UsageNext, QT_TRID_NOOP("IDS_493")},
    //% "把当前单词记为“我认识”"
    StringEntry{StringId::UsageKnown, QT_TRID_NOOP("IDS_494")},
    //% "把当前单词记为“不认识”"
    StringEntry{StringId::UsageAgain, QT_TRID_NOOP("IDS_495")},
    //% "显示 Lexado 的窗口"
    StringEntry{StringId::UsageShow, QT_TRID_NOOP("IDS_496")},
    //% "隐藏 Lexado 的窗口（背诵随之暂停）"
    StringEntry{StringId::UsageHide, QT_TRID_NOOP("IDS_497")},
    //% "保存设置并退出正在运行的 Lexado"
    StringEntry{StringId::UsageQuit, QT_TRID_NOOP("IDS_498")},
    //% "输出当前单词：单词、音标、词义，以制表符分隔"
    StringEntry{StringId::UsageCurrent, QT_TRID_NOOP("IDS_499")},
    //% "离开"
    StringEntry{StringId::PauseAway, QT_TRID_NOOP("IDS_500")},
    //% "屏幕已锁定"
    StringEntry{StringId::PauseLocked, QT_TRID_NOOP("IDS_501")},
    //% "全屏程序"
    StringEntry{StringId::PauseFullScreen, QT_TRID_NOOP("IDS_502")},
    //% "窗口已隐藏"
    StringEntry{StringId::PauseHidden, QT_TRID_NOOP("IDS_503")},
    //% "显示窗口"
    StringEntry{StringId::TrayShowWindow, QT_TRID_NOOP("IDS_504")},
    //% "隐藏窗口"
    StringEntry{StringId::TrayHideWindow, QT_TRID_NOOP("IDS_505")},
    //% "我认识"
    StringEntry{StringId::RateKnown, QT_TRID_NOOP("IDS_506")},
    //% "不认识"
    StringEntry{StringId::RateAgain, QT_TRID_NOOP("IDS_507")},
    //% "桌面"
    StringEntry{StringId::SettingsDesktopTab, QT_TRID_NOOP("IDS_510")},
    //% "自动暂停"
    StringEntry{StringId::DesktopPauseGroup, QT_TRID_NOOP("IDS_511")},
    //% "无键盘鼠标操作多少秒后暂停（0 为从不）"
    StringEntry{StringId::DesktopIdleSeconds, QT_TRID_NOOP("IDS_512")},
    //% "屏幕锁定时暂停"
    StringEntry{StringId::DesktopWhenLocked, QT_TRID_NOOP("IDS_513")},
    //% "有全屏程序时暂停并隐藏窗口"
    StringEntry{StringId::DesktopWhenFullScreen, QT_TRID_NOOP("IDS_514")},
    //% "在系统托盘中显示图标"
    StringEntry{StringId::DesktopTrayIcon, QT_TRID_NOOP("IDS_515")},
    //% "全局快捷键（在任何程序中都有效）"
    StringEntry{StringId::DesktopShortcutsGroup, QT_TRID_NOOP("IDS_516")},
    //% "暂停/继续"
    StringEntry{StringId::DesktopShortcutPause, QT_TRID_NOOP("IDS_517")},
    //% "显示/隐藏窗口"
    StringEntry{StringId::DesktopShortcutShow, QT_TRID_NOOP("IDS_518")},
    //% "以下快捷键已被其他程序占用：%1"
    StringEntry{StringId::DesktopShortcutsHeld, QT_TRID_NOOP("IDS_519")},
    //% "按记忆复习"
    StringEntry{StringId::ReviewByMemory, QT_TRID_NOOP("IDS_520")},
    //% "新词"
    StringEntry{StringId::CardStateNew, QT_TRID_NOOP("IDS_521")},
    //% "学习中"
    StringEntry{StringId::CardStateLearning, QT_TRID_NOOP("IDS_522")},
    //% "已掌握 · 下次 %1 天后"
    StringEntry{StringId::CardStateKnownInDays, QT_TRID_NOOP("IDS_523")},
    //% "已掌握 · 今天复习"
    StringEntry{StringId::CardStateKnownDue, QT_TRID_NOOP("IDS_524")},
    //% "今天：新词 %1 个，评分 %2 次，待复习 %3 个"
    StringEntry{StringId::ReviewDayCounts, QT_TRID_NOOP("IDS_525")},
    //% "单词记忆文件无法读取，已改名为 %1，并新建了一个。词库和设置没有改动。"
    StringEntry{StringId::MemoryMovedAside, QT_TRID_NOOP("IDS_526")},
    //% "评分没有保存：单词记忆正被其他程序使用或无法写入。"
    StringEntry{StringId::MemoryNotSaved, QT_TRID_NOOP("IDS_527")},
    //% "无法打开单词记忆（%1），这次运行不记录评分。"
    StringEntry{StringId::MemoryNotOpened, QT_TRID_NOOP("IDS_528")},
    //% "输出每个词库的记忆统计，以制表符分隔"
    StringEntry{StringId::UsageStats, QT_TRID_NOOP("IDS_529")},
    //% "--stats 只统计词库 NAME"
    StringEntry{StringId::UsageLibrary, QT_TRID_NOOP("IDS_530")},
    //% "我认识(&K)        Ctrl+K"
    StringEntry{StringId::MenuRateKnown, QT_TRID_NOOP("IDM_144_32807")},
    //% "不认识(&J)        Ctrl+J"
    StringEntry{StringId::MenuRateAgain, QT_TRID_NOOP("IDM_144_32808")},
    //% "学习统计(&I)　　　Ctrl+I"
    StringEntry{StringId::StatsMenu, QT_TRID_NOOP("IDM_144_32809")},
    //% "学习统计"
    StringEntry{StringId::StatsCaption, QT_TRID_NOOP("IDS_541")},
    //% "所有词库"
    StringEntry{StringId::StatsAllLibraries, QT_TRID_NOOP("IDS_542")},
    //% "词库："
    StringEntry{StringId::StatsLibraryLabel, QT_TRID_NOOP("IDS_543")},
    //% "最近 %1 天的评分"
    StringEntry{StringId::StatsRatingsTitle, QT_TRID_NOOP("IDS_544")},
    //% "认识"
    StringEntry{StringId::StatsKnown, QT_TRID_NOOP("IDS_545")},
    //% "不认识"
    StringEntry{StringId::StatsAgain, QT_TRID_NOOP("IDS_546")},
    //% "出现次数"
    StringEntry{StringId::StatsExposures, QT_TRID_NOOP("IDS_547")},
    //% "单词状态"
    StringEntry{StringId::StatsCardsTitle, QT_TRID_NOOP("IDS_548")},
    //% "新词：%1"
    StringEntry{StringId::StatsNewCards, QT_TRID_NOOP("IDS_549")},
    //% "学习中：%1"
    StringEntry{StringId::StatsLearningCards, QT_TRID_NOOP("IDS_550")},
    //% "已掌握：%1"
    StringEntry{StringId::StatsKnownCards, QT_TRID_NOOP("IDS_551")},
    //% "未来 %1 天到期的单词"
    StringEntry{StringId::StatsDueTitle, QT_TRID_NOOP("IDS_552")},
    //% "到期"
    StringEntry{StringId::StatsDue, QT_TRID_NOOP("IDS_553")},
    //% "最近 %1 天的背诵分钟数"
    StringEntry{StringId::StatsMinutesTitle, QT_TRID_NOOP("IDS_554")},
    //% "分钟"
    StringEntry{StringId::StatsMinutes, QT_TRID_NOOP("IDS_555")},
    //% "连续学习 %1 天"
    StringEntry{StringId::StatsStreak, QT_TRID_NOOP("IDS_556")},
    //% "最近 %1 天的记忆保持率"
    StringEntry{StringId::StatsRetentionTitle, QT_TRID_NOOP("IDS_557")},
    //% "实际"
    StringEntry{StringId::StatsRetentionReached, QT_TRID_NOOP("IDS_558")},
    //% "目标"
    StringEntry{StringId::StatsRetentionTarget, QT_TRID_NOOP("IDS_559")},
    //% "暂无"
    StringEntry{StringId::StatsNoDueRatings, QT_TRID_NOOP("IDS_560")},
    //% "导出 CSV..."
    StringEntry{StringId::StatsExportCsv, QT_TRID_NOOP("IDS_561")},
    //% "CSV 文件 (*.csv)"
    StringEntry{StringId::StatsCsvFilter, QT_TRID_NOOP("IDS_562")},
    //% "正在读取..."
    StringEntry{StringId::StatsLoading, QT_TRID_NOOP("IDS_563")},
    //% "无法读取学习记录：%1"
    StringEntry{StringId::StatsReadFailed, QT_TRID_NOOP("IDS_564")},
    //% "无法打开学习统计：%1"
    StringEntry{StringId::StatsModuleMissing, QT_TRID_NOOP("IDS_565")},
};

// The program's own copy, compiled in from language/pChinese.qm.
const QTranslator& OwnStrings() {
    static QTranslator translator;
    static const bool loaded = translator.load(QStringLiteral(":/language/pChinese.qm"));
    Q_UNUSED(loaded);
    return translator;
}

} // namespace

const char* TranslationId(StringId id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.trId;
        }
    }
    return nullptr;
}

QString StringText(StringId id) {
    const char* trId = TranslationId(id);
    if (!trId) {
        return QLatin1Char('#') + QString::number(static_cast<int>(id));
    }
    const QString text = qtTrId(trId);
    // qtTrId hands back the id itself when no installed translator knows it.
    if (text != QLatin1String(trId)) {
        return text;
    }
    return OwnStrings().translate(nullptr, trId);
}
