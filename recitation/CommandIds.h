#pragma once

#include <array>

// The window's commands, under the ids every menu and language file uses for them.
enum class CommandId : int {
    ChooseLibrary = 32771,
    Help = 32775,
    About = 32776,
    Exit = 32777,
    ClearNewWordBook = 32780,
    AddToNewWordBook = 32781,
    Pause = 32786,
    SaveProgress = 32788,
    LoadProgress = 32789,
    Settings = 32792,
    DeleteWord = 32793,
    LibraryManager = 32794,
    ReadAgain = 32795,
    PreviousGroup = 32796,
    NextGroup = 32797,
    Find = 32799,
    AlwaysOnTop = 32800,
    LanguageSimplifiedChinese = 32802,
    LanguageTraditionalChinese = 32803,
    LanguageEnglish = 32804,
    LanguageJapanese = 32805,
    LanguageKorean = 32806,
    // The word memory's ratings of the entry on show.
    RateKnown = 32807,
    RateAgain = 32808,
    // The statistics window.
    Statistics = 32809,
};

// The keyboard shortcuts, in the notation of Qt's key sequences. They are the same in every
// language. F1 is the window's own: it asks for help with any modifier but Shift.
struct CommandShortcut {
    CommandId command;
    const char* keys;
};

inline constexpr std::array kCommandShortcuts{
    CommandShortcut{CommandId::Pause, "Ctrl+P"},
    CommandShortcut{CommandId::ReadAgain, "Ctrl+R"},
    CommandShortcut{CommandId::AddToNewWordBook, "Ctrl+S"},
    CommandShortcut{CommandId::DeleteWord, "Ctrl+Del"},
    CommandShortcut{CommandId::ChooseLibrary, "Ctrl+W"},
    CommandShortcut{CommandId::Settings, "Ctrl+T"},
    CommandShortcut{CommandId::LoadProgress, "Ctrl+O"},
    CommandShortcut{CommandId::PreviousGroup, "Ctrl+L"},
    CommandShortcut{CommandId::NextGroup, "Ctrl+N"},
    CommandShortcut{CommandId::Find, "Ctrl+F"},
    CommandShortcut{CommandId::RateKnown, "Ctrl+K"},
    CommandShortcut{CommandId::RateAgain, "Ctrl+J"},
    CommandShortcut{CommandId::Statistics, "Ctrl+I"},
    CommandShortcut{CommandId::Exit, "Alt+X"},
};
