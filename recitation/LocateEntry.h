#pragma once

#include "library/WordList.h"
#include "recitation/RecitationState.h"
#include "recitation/SettingsRecord.h"

// Makes entry `index` of the list the entry on show and points the engine's cursor at it, so
// that browsing goes on from there: the position is the index, or with grouping the group
// holding it and the place in that group. The passes of the group are left as they are.
void LocateEntry(qsizetype index, const WordList& words, SettingsRecord& settings,
                 RecitationState& state);
