#pragma once

#include <QString>

// The control ids of the settings sheet's pages, as every language set numbers them. Each
// control carries its id as its object name ("1017"), so that it can be found by it.
namespace SheetControl {
// The display page, dialog 149.
inline constexpr int ChooseFont = 1030;
inline constexpr int BackColour = 1031;
inline constexpr int BarColour = 1015;
inline constexpr int Preview = 1028;
inline constexpr int BarSample = 1029;
inline constexpr int FadeInMeaning = 1022;
inline constexpr int ShowMeaning = 1017;
inline constexpr int ProgressBar = 1019;
inline constexpr int OneLine = 1020;
// The browse-mode page, dialog 150.
inline constexpr int GroupNumber = 1011;
inline constexpr int GroupSize = 1007;
inline constexpr int GroupRepeats = 1009;
inline constexpr int Seconds = 1002;
inline constexpr int Grouping = 1016;
inline constexpr int InOrder = 1034;
inline constexpr int AtRandom = 1035;
inline constexpr int LibraryName = 1006;
inline constexpr int EntryCount = 1024;
inline constexpr int GroupNumberBefore = 1046;
inline constexpr int GroupNumberAfter = 1047;
inline constexpr int GroupSizeBefore = 1048;
inline constexpr int GroupSizeAfter = 1049;
inline constexpr int GroupRepeatsAfter = 1050;
inline constexpr int GroupRepeatsBefore = 1051;
// The word memory's controls, which the page has beyond its dialog.
inline constexpr int ByMemory = 1100;
inline constexpr int MemoryToday = 1101;
// The other options, dialog 151.
inline constexpr int Speech = 1018;
inline constexpr int Voices = 1032;
inline constexpr int TestVoice = 1033;
inline constexpr int Pause = 1002;
inline constexpr int ReadAgain = 1004;
inline constexpr int AddToNewWordBook = 1001;
inline constexpr int DeleteWord = 1000;
inline constexpr int ConfirmActions = 1054;
} // namespace SheetControl

// Gives a control its id as its object name and returns it.
template <typename Control> Control* WithId(Control* control, int id) {
    control->setObjectName(QString::number(id));
    return control;
}
