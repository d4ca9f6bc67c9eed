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
    // The About box, dialog 100: its caption and the texts of its controls.
    AboutCaption = 100,
    AboutVersion = 1001046,
    AboutCopyright = 1001047,
    AboutHomePage = 1001005,
    AboutWriteToAuthor = 1001006,
    // Start-up.
    ResourceLoadFailed = 470, // no language file could be loaded
    // The settings sheet: the tab titles of its pages (dialogs 149 to 151), the texts of their
    // controls as above, and its font chooser (texts of our own). A text with no control of its
    // own (a group box, a label) takes a number below 1000 in its dialog ("IDD_150_SECONDS").
    SettingsDisplayTab = 149,
    SettingsBrowseTab = 150,
    SettingsOtherTab = 151,
    FontChooserCaption = 450,
    FontChooserColour = 451,
    ButtonChooseFont = 1491030,
    ButtonBackColour = 1491031,
    ButtonBarColour = 1491015,
    PreviewText = 1491028,
    DisplayOptionsGroup = 1490001,
    CheckFadeInMeaning = 1491022,
    CheckShowMeaning = 1491017,
    CheckProgressBar = 1491019,
    CheckOneLine = 1491020,
    BrowseModeGroup = 1500001,
    RadioInOrder = 1501034,
    RadioAtRandom = 1501035,
    CheckGrouping = 1501016,
    GroupSettingsGroup = 1500002,
    GroupNumberBefore = 1501046,
    GroupNumberAfter = 1501047,
    GroupSizeBefore = 1501048,
    GroupSizeAfter = 1501049,
    GroupRepeatsBefore = 1501051,
    GroupRepeatsAfter = 1501050,
    SecondsBefore = 1500003,
    SecondsAfter = 1500004,
    CurrentLibraryLabel = 1501010,
    BrowseWordCountLabel = 1501025,
    CheckSpeech = 1511018,
    VoiceGroup = 1510001,
    ButtonTestVoice = 1511033,
    DoubleClickGroup = 1510002,
    RadioPause = 1511002,
    RadioReadAgain = 1511004,
    RadioAddToNewWordBook = 1511001,
    RadioDeleteWord = 1511000,
    CheckConfirmActions = 1511054,
    // Import and export of word lists.
    ImportDone = 440,
    ImportSkippedEmptyWords = 441,
    ImportSkippedInactive = 442,
    ImportCannotRead = 443,
    ImportNotWordList = 444,
    ImportOldKvtml = 445,
    ImportMalformed = 446,
    ImportNoEntries = 447,
    ExportDone = 448,
    // The library manager refuses control characters in names.
    ControlCharacterInName = 422,
    // Importing a word list from the library manager: its button (a control of dialog 187),
    // the names of the file dialog's filters, and the text shown while the import runs.
    ButtonImportLibrary = 1871060,
    ImportFilterWordLists = 460,
    ImportFilterKvtml = 461,
    ImportFilterText = 462,
    ImportFilterAllFiles = 463,
    ImportRunning = 464,
    ExportUnknownLibrary = 465, // no catalogue entry has that name or file
    // What an import summary adds: phonetics not filled in and why, a record skipped.
    ImportPhoneticsOtherLanguage = 466,
    ImportPhoneticsNotEnglishText = 467,
    ImportSkippedUnclosedQuote = 468,
    ImportSkippedUndecodableLines = 469, // neither UTF-8 nor GB18030
    // The program folder cannot be made, at start-up or for a word-list command.
    CannotCreateFolder = 471,
    // Two programs changing the library list at once: the second gives up after a while.
    CatalogueBusy = 472,
    // An export refuses to replace anything but a regular file (a device, a pipe, a folder).
    ExportNotRegularFile = 473,
    // A library name typed on the command line that holds nothing but blanks.
    BlankLibraryName = 474,
    // Why a file could not be written, told after string 105.
    CannotWriteInFolder = 475,
    DiskFull = 476,
    // The usage text of "lexado --help": its heading and the line of each option.
    UsageHeading = 480,
    UsageHome = 481,
    UsageImport = 482,
    UsageName = 483,
    UsageExport = 484,
    UsageLanguage = 485,
    UsageNoSplash = 486,
    UsageHelp = 487,
    UsageVersion = 488,
    // The usage lines of the commands sent to the running copy.
    UsagePause = 490,
    UsageResume = 491,
    UsageTogglePause = 492,
    UsageNext = 493,
    UsageKnown = 494,
    UsageAgain = 495,
    UsageShow = 496,
    UsageHide = 497,
    UsageQuit = 498,
    UsageCurrent = 499,
    // Why the recitation paused by itself, in the tooltip and the tray.
    PauseAway = 500,
    PauseLocked = 501,
    PauseFullScreen = 502,
    PauseHidden = 503,
    // The rows of the tray icon's menu that the window's menu does not have.
    TrayShowWindow = 504,
    TrayHideWindow = 505,
    RateKnown = 506,
    RateAgain = 507,
    // The settings sheet's desktop page.
    SettingsDesktopTab = 510,
    DesktopPauseGroup = 511,
    DesktopIdleSeconds = 512,
    DesktopWhenLocked = 513,
    DesktopWhenFullScreen = 514,
    DesktopTrayIcon = 515,
    DesktopShortcutsGroup = 516,
    DesktopShortcutPause = 517,
    DesktopShortcutShow = 518,
    DesktopShortcutsHeld = 519,
    // The word memory: the browse mode, the card's state in the tooltip, the day's counts, its
    // messages and usage lines.
    ReviewByMemory = 520,
    CardStateNew = 521,
    CardStateLearning = 522,
    CardStateKnownInDays = 523,
    CardStateKnownDue = 524,
    ReviewDayCounts = 525,
    MemoryMovedAside = 526,
    MemoryNotSaved = 527,
    MemoryNotOpened = 528,
    UsageStats = 529,
    UsageLibrary = 530,
    // The word memory's rows of the context menu.
    MenuRateKnown = 531,
    MenuRateAgain = 532,
    // The statistics window and the menu row that opens it.
    StatsMenu = 540,
    // The statistics window.
    StatsCaption = 541,
    StatsAllLibraries = 542,
    StatsLibraryLabel = 543,
    // The charts' titles and series; %1 is a number of days.
    StatsRatingsTitle = 544,
    StatsKnown = 545,
    StatsAgain = 546,
    StatsExposures = 547,
    StatsCardsTitle = 548,
    StatsNewCards = 549,
    StatsLearningCards = 550,
    StatsKnownCards = 551,
    StatsDueTitle = 552,
    StatsDue = 553,
    StatsMinutesTitle = 554,
    StatsMinutes = 555,
    // The days in a row with at least one rating.
    StatsStreak = 556,
    StatsRetentionTitle = 557,
    StatsRetentionReached = 558,
    StatsRetentionTarget = 559,
    // No word was rated when it was due in those days.
    StatsNoDueRatings = 560,
    StatsExportCsv = 561,
    StatsCsvFilter = 562,
    StatsLoading = 563,
    // %1 is the database's message.
    StatsReadFailed = 564,
    // The statistics window's module could not be loaded; %1 is the loader's reason.
    StatsModuleMissing = 565,
};
Q_ENUM_NS(StringId)

} // namespace Strings

using Strings::StringId;
