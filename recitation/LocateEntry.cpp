#include "recitation/LocateEntry.h"

void LocateEntry(qsizetype index, const WordList& words, SettingsRecord& settings,
                 RecitationState& state) {
    state.currentIndex = index;
    state.currentLine = words.entry(index);
    settings.position = static_cast<std::int32_t>(index);
    if (settings.grouping) {
        settings.groupNumber = static_cast<std::int32_t>(index / settings.groupSize + 1);
        settings.position = static_cast<std::int32_t>(index % settings.groupSize);
    }
}
