#pragma once

#include "recitation/SettingsRecord.h"

#include <cstdint>

// The values the three pages of the settings sheet edit: copies of the settings record's
// fields, taken when the sheet opens. A page the user never opens hands back what was copied in.

// The display page: the colours, the word font and the display options.
struct DisplayPageValues {
    std::uint32_t textColor = 0; // 0x00BBGGRR; chosen together with the font
    std::uint32_t backColor = 0;
    std::uint32_t barColor = 0;
    LogFontA wordFont{};
    bool showMeaning = false;
    bool oneLine = false;
    bool fadeInMeaning = false;
    bool showProgressBar = false;
};

// The browse-mode page. The four numbers are whole and not negative: the sheet does not close
// while a usable field holds anything else, and a greyed one gives the value copied in.
struct BrowsePageValues {
    bool orderedBrowse = false;
    bool grouping = false;
    std::int32_t groupNumber = 0;
    std::int32_t groupSize = 0;
    std::int32_t groupRepeats = 0;
    std::int32_t seconds = 0; // the time per word in whole seconds
    // Recitation follows the word memory; the record's way of browsing is then kept as it was
    // copied in. Offered only with a word memory.
    bool byMemory = false;
};

// The other options: speech and the double-click action.
struct OtherPageValues {
    bool speechOn = false;
    // The entry of the page's voice list chosen, -1 for none. The list is the installed voices,
    // so the entry of the stored voice is found by the sheet's caller, not copied in.
    std::int32_t speechEngineIndex = -1;
    std::int32_t doubleClickAction = 0; // 0 delete, 1 new-word book, 2 pause, 3 read again
    bool confirmActions = false;
};

struct SheetValues {
    DisplayPageValues display;
    BrowsePageValues browse;
    OtherPageValues other;
};

// The pages' values when the sheet opens. The time per word is shown in whole seconds,
// rounded down.
SheetValues CopyIn(const SettingsRecord& record);
