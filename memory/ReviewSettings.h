#pragma once

#include "memory/ReviewSchedule.h"

#include <QString>

// The word memory's options, in lexado.conf's [Review] group: whether recitation follows the
// memory ("按记忆复习"), and the schedule's new words a day and target retention.
struct ReviewSettings {
    bool enabled = false;
    ReviewOptions schedule;
    bool operator==(const ReviewSettings& other) const {
        return enabled == other.enabled && schedule.newPerDay == other.schedule.newPerDay &&
               schedule.retention == other.schedule.retention;
    }
};

// The most new words a day that can be set.
inline constexpr int kMaxNewPerDay = 10000;

// The options of lexado.conf: a number of new words out of range gives the default, a retention
// out of range the nearest one the model takes.
ReviewSettings LoadReviewSettings(const QString& programFolder);
bool SaveReviewSettings(const QString& programFolder, const ReviewSettings& settings);
