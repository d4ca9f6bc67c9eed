#pragma once

#include "recitation/SettingsRecord.h"

#include <QString>

// The tip over the window: the library's name and the place reached, e.g. "TOEFL 第2 组,第 5个单词"
// when browsing in groups, "TOEFL 第100个单词" without. The place is the cursor's position, or
// the size of the group (of the list) when the position has just come back to 0.
QString TooltipText(const SettingsRecord& settings, qsizetype entryCount);
