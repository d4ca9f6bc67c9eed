#include "settings/ApplySettings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

std::int32_t Flag(bool on) {
    return on ? 1 : 0;
}

bool Changed(std::int32_t storedFlag, bool on) {
    return (storedFlag != 0) != on;
}

// Fields that must not be 0 take 1 for it.
std::int32_t AtLeastOne(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, 1, std::numeric_limits<std::int32_t>::max()));
}

void StoreDisplay(const DisplayPageValues& display, SettingsRecord& record) {
    record.textColor = display.textColor;
    record.backColor = display.backColor;
    record.barColor = display.barColor;
    record.wordFont = display.wordFont;
    record.showMeaning = Flag(display.showMeaning);
    record.showProgressBar = Flag(display.showProgressBar);
    record.oneLine = Flag(display.oneLine);
    record.fadeInMeaning = Flag(display.fadeInMeaning);
}

// 0 seconds is taken as 1 millisecond, so that a time that is not a whole number of seconds
// survives a confirmation only when the seconds are changed.
void StoreWordTime(std::int32_t seconds, SettingsRecord& record) {
    const std::int64_t ms = std::int64_t{seconds} * 1000;
    if (ms != record.wordTimeMs) {
        record.wordTimeMs = AtLeastOne(ms);
    }
}

// A group number beyond the last whole group becomes the last whole group, and group 1 when
// the group is larger than the list (the list may have lost entries since the size was set).
std::int32_t GroupNumberInList(std::int32_t groupNumber, std::int32_t groupSize,
                               std::int32_t entryCount) {
    const std::int32_t size = AtLeastOne(groupSize);
    if (std::int64_t{groupNumber} * size >= entryCount) {
        return AtLeastOne(entryCount / size);
    }
    return AtLeastOne(groupNumber);
}

void StoreBrowse(const BrowsePageValues& browse, std::int32_t entryCount, SettingsRecord& record) {
    StoreWordTime(browse.seconds, record);
    bool resetCursor = false;
    if (Changed(record.orderedBrowse, browse.orderedBrowse)) {
        record.orderedBrowse = Flag(browse.orderedBrowse);
        resetCursor = true;
    }
    if (Changed(record.grouping, browse.grouping)) {
        record.grouping = Flag(browse.grouping);
        resetCursor = true;
    }
    if (browse.groupRepeats != record.groupRepeats) {
        record.groupRepeats = AtLeastOne(browse.groupRepeats);
    }
    if (browse.groupSize != record.groupSize) {
        record.groupSize = std::min(AtLeastOne(browse.groupSize), entryCount);
        resetCursor = true;
    }
    if (browse.groupNumber != record.groupNumber || resetCursor) {
        record.groupNumber = GroupNumberInList(browse.groupNumber, record.groupSize, entryCount);
        record.position = 0;
        record.repeatCount = 0;
    }
}

// Returns whether speech was turned on or off or another voice chosen.
bool StoreOther(const OtherPageValues& other, const SheetVoiceIds& voices, SettingsRecord& record) {
    record.doubleClickAction = other.doubleClickAction;
    record.confirmActions = Flag(other.confirmActions);
    bool speechChanged = false;
    if (Changed(record.speechOn, other.speechOn)) {
        record.speechOn = Flag(other.speechOn);
        speechChanged = true;
    }
    const std::int32_t index = other.speechEngineIndex;
    if (index != voices.shown && index >= 0 && index < voices.ids.size()) {
        record.speechEngineIndex = index;
        record.speechModeId = voices.ids[index];
        speechChanged = true;
    }
    return speechChanged;
}

} // namespace

SettingsApplied ApplySettings(const SettingsRecord& record, const SheetValues& values,
                              qsizetype entryCount, const SheetVoiceIds& voices) {
    SettingsApplied applied{record};
    SettingsRecord& changed = applied.record;
    StoreDisplay(values.display, changed);
    StoreBrowse(values.browse, AtLeastOne(entryCount), changed);
    const bool speechChanged = StoreOther(values.other, voices, changed);
    // Turning speech off keeps the voice, so that reading a word again still works.
    applied.restartSpeech = changed.speechOn != 0 && speechChanged;
    return applied;
}
