#pragma once

#include "memory/MemoryStore.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// One past day of a library, or of all libraries.
struct ProgressDay {
    QDate day;
    int known = 0; // "I know it", on words rated before and on first ratings
    int again = 0; // "I don't know it"
    int exposures = 0;
    int seconds = 0; // recited
};

struct DueDay {
    QDate day;
    int cards = 0;
};

// What the statistics window plots, as of one moment. Days are the calendar dates of that
// moment's time zone, as the memory counts them.
struct ProgressFigures {
    static constexpr int kPastDays = 30;
    static constexpr int kForecastDays = 14;

    std::vector<ProgressDay> days; // the last kPastDays days, oldest first, today last
    // The cards by state: shown but never rated, last rated "I don't know it", last rated
    // "I know it".
    int newCards = 0;
    int learningCards = 0;
    int knownCards = 0;
    // Rated cards falling due on each of the next kForecastDays days, today first; today's
    // count holds the cards already overdue.
    std::vector<DueDay> due;
    // Days in a row with at least one rating, up to today when today has one, else up to
    // yesterday.
    int streak = 0;
    // The ratings of the last kPastDays days given to cards that were due, and how many of
    // them were "I know it".
    int dueRatings = 0;
    int dueRatingsKnown = 0;
    double targetRetention = 0;

    // The share of due cards rated "I know it"; none before any due card was rated.
    std::optional<double> Retention() const;
};

// The figures of one library (its file name), or of every library when `library` is empty.
StoreResult ComputeProgressFigures(const MemoryStore& store, const QString& library,
                                   const QDateTime& now, double targetRetention,
                                   ProgressFigures* figures);

// The figures per day as CSV, for people who keep their own records: UTF-8, comma separated,
// each line ended by CR LF (RFC 4180), a header line of fixed English column names
// "date,known,again,exposures,seconds,due", then one line per day from the oldest past day
// to the last forecast day, dates in ISO 8601. A day outside a column's range leaves that
// field empty: the past columns end today, the forecast starts today.
QByteArray ProgressCsv(const ProgressFigures& figures);
