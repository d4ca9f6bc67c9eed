#pragma once

#include <QObject>

// Ids of the program's string table. The numbers are the resource numbers every language
// file uses for the same text ("IDS_<number>"), so "string 105" can be found here. The texts
// themselves are in StringTable.cpp, and only there.
namespace Strings {
Q_NAMESPACE

enum class StringId : int {
    LibraryFileNotFound = 103,
    CannotRemoveLastLibrary = 104,
    WriteFileError = 105,
    EmptyLibraryEntry = 106,
    MissingLibraryEntry = 107,
    ConfirmClearNewWordBook = 108,
    ConfirmDeleteWord = 109,
    WordAddedToNewWordBook = 110,
    LibraryAlreadyListed = 111,
    ColumnNumber = 112,
    ColumnWord = 113,
    ColumnMeaning = 114,
    TipPlacePrefix = 115,
    TipGroupSuffix = 116,
    TipWordSuffix = 117,
    WordNotFound = 118,
    ButtonOk = 119,
    ButtonCancel = 120,
    ButtonHelp = 121,
    SettingsCaption = 148,
    LibraryManagerCaption = 187, // caption of the library manager
    ChooseLibraryCaption = 188,  // caption of the choose-library dialog
    FindCaption = 206,           // the caption of the find dialog (dialog 206)
    ProgramName = 300,
    // Texts of this program's own, from 400 on.
    NotProgressFile = 400,
    NameTooLong = 420,
    HashInLibraryName = 421,
    EnterAnInteger = 61712,
    // Texts of dialog controls: dialog × 10000 + the control's id ("IDD_<dialog>_<control>");
    // a label carries the id of the control it names.
    ButtonDeleteLibrary = 1871000,
    ButtonAddLibrary = 1871001,
    ButtonRemoveLibrary = 1871002,
    LibraryListLabel = 1871007,
    ButtonRenameLibrary = 1871016,
    ButtonMoveUp = 1871017,
    ButtonMoveDown = 1871018,
    LibraryNameLabel = 1871052,
    LibraryFileLabel = 1871053,
    WordCountLabel = 1881025,
    // Texts of the context menu, menu 144: menu × 100000 + the item's command id
    // ("IDM_144_<command>"); the Language sub-menu, which has no command, takes its position.
    MenuPause = 14432786,
    MenuReadAgain = 14432795,
    MenuAddToNewWordBook = 14432781,
    MenuDeleteWord = 14432793,
    MenuChooseLibrary = 14432771,
    MenuSettings = 14432792,
    MenuLibraryManager = 14432794,
    MenuClearNewWordBook = 14432780,
    MenuSaveProgress = 14432788,
    MenuLoadProgress = 14432789,
    MenuPreviousGroup = 14432796,
    MenuNextGroup = 14432797,
    MenuFind = 14432799,
    MenuAlwaysOnTop = 14432800,
    MenuLanguage = 14400015,
    MenuSimplifiedChinese = 14432802,
    MenuTraditionalChinese = 14432803,
    MenuEnglish = 14432804,
    MenuJapanese = 14432805,
    MenuKorean = 14432806,
    MenuHelp = 14432775,
    MenuAbout = 14432776,
    MenuExit = 14432777,
    // The library manager refuses control characters in names.
    ControlCharacterInName = 422,
};
Q_ENUM_NS(StringId)

} // namespace Strings

using Strings::StringId;
