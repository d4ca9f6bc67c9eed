#include "settings/SheetValues.h"

SheetValues CopyIn(const SettingsRecord& record) {
    SheetValues values;
    DisplayPageValues& display = values.display;
    display.textColor = record.textColor;
    display.backColor = record.backColor;
    display.barColor = record.barColor;
    display.wordFont = record.wordFont;
    display.showMeaning = record.showMeaning != 0;
    display.oneLine = record.oneLine != 0;
    display.fadeInMeaning = record.fadeInMeaning != 0;
    display.showProgressBar = record.showProgressBar != 0;

    BrowsePageValues& browse = values.browse;
    browse.orderedBrowse = record.orderedBrowse != 0;
    browse.grouping = record.grouping != 0;
    browse.groupNumber = record.groupNumber;
    browse.groupSize = record.groupSize;
    browse.groupRepeats = record.groupRepeats;
    browse.seconds = record.wordTimeMs / 1000;

    OtherPageValues& other = values.other;
    other.speechOn = record.speechOn != 0;
    other.doubleClickAction = record.doubleClickAction;
    other.confirmActions = record.confirmActions != 0;
    return values;
}
