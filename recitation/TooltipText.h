#pragma once

#include "recitation/PauseState.h"
#include "recitation/SettingsRecord.h"

#include <QString>

#include <optional>

// The tip over the window: the library's name and the place reached, e.g. "TOEFL 第2 组,第 5个单词"
// when browsing in groups, "TOEFL 第100个单词" without. The place is the cursor's position, or
// the size of the group (of the list) when the position has just come back to 0. While the
// recitation has paused by itself, a second line says why.
QString TooltipText(const SettingsRecord& settings, qsizetype entryCount,
                    std::optional<AwayCause> pauseCause = std::nullopt);

// Why the recitation paused by itself: "离开", "屏幕已锁定", ...
QString PauseReasonText(AwayCause cause);
