#include "memory/ProgressFigures.h"

#include "memory/Card.h"
#include "memory/Fsrs.h"

#include <QSqlQuery>
#include <QTimeZone>

#include <limits>

namespace {

QString DayKey(QDate day) {
    return day.toString(Qt::ISODate);
}

// The query's text with its library condition, and its values with the library's name, when
// the figures are of one library; every query has a form that an index serves either way.
struct Query {
    QString sql;
    QVariantList values;
};

Query ForLibrary(const QString& library, QString sql, QVariantList values, const QString& column) {
    if (!library.isEmpty()) {
        sql.replace(QLatin1String("%LIBRARY"), QStringLiteral(" AND %1 = ?").arg(column));
        values.append(library);
    } else {
        sql.replace(QLatin1String("%LIBRARY"), QString());
    }
    return {sql, values};
}

StoreResult ReadDays(const MemoryStore& store, const QString& library, QDate today,
                     ProgressFigures* figures) {
    const QDate first = today.addDays(1 - ProgressFigures::kPastDays);
    figures->days.clear();
    for (QDate day = first; day <= today; day = day.addDays(1)) {
        figures->days.push_back({day});
    }
    const Query query = ForLibrary(
        library,
        QStringLiteral("SELECT day, total(known + already_known), total(again), total(exposures),"
                       " total(seconds) FROM daily WHERE day BETWEEN ? AND ?%LIBRARY"
                       " GROUP BY day"),
        {DayKey(first), DayKey(today)}, QStringLiteral("library"));
    return store.Read(query.sql, query.values, [&](const QSqlQuery& row) {
        const QDate day = QDate::fromString(row.value(0).toString(), Qt::ISODate);
        const qint64 index = first.daysTo(day);
        if (index >= 0 && index < ProgressFigures::kPastDays) {
            figures->days[index] = {day, row.value(1).toInt(), row.value(2).toInt(),
                                    row.value(3).toInt(), row.value(4).toInt()};
        }
        return true;
    });
}

StoreResult ReadStreak(const MemoryStore& store, const QString& library, QDate today, int* streak) {
    const Query query =
        ForLibrary(library,
                   QStringLiteral("SELECT DISTINCT day FROM daily WHERE day <= ?%LIBRARY"
                                  " AND again + known + already_known > 0 ORDER BY day DESC"),
                   {DayKey(today)}, QStringLiteral("library"));
    *streak = 0;
    // A day without a rating yet does not break the streak until it is over.
    QDate expected = today;
    return store.Read(query.sql, query.values, [&](const QSqlQuery& row) {
        const QDate day = QDate::fromString(row.value(0).toString(), Qt::ISODate);
        if (day == expected || (*streak == 0 && day == today.addDays(-1))) {
            ++*streak;
            expected = day.addDays(-1);
            return true;
        }
        return false;
    });
}

StoreResult ReadStates(const MemoryStore& store, const QString& library, ProgressFigures* figures) {
    const Query query = ForLibrary(
        library,
        QStringLiteral("SELECT state, count(*) FROM cards WHERE state IN (%1, %2, %3)%LIBRARY"
                       " GROUP BY state")
            .arg(static_cast<int>(CardState::New))
            .arg(static_cast<int>(CardState::Learning))
            .arg(static_cast<int>(CardState::Known)),
        {}, QStringLiteral("library"));
    figures->newCards = figures->learningCards = figures->knownCards = 0;
    return store.Read(query.sql, query.values, [&](const QSqlQuery& row) {
        const int count = row.value(1).toInt();
        switch (static_cast<CardState>(row.value(0).toInt())) {
        case CardState::New:
            figures->newCards = count;
            break;
        case CardState::Learning:
            figures->learningCards = count;
            break;
        case CardState::Known:
            figures->knownCards = count;
            break;
        }
        return true;
    });
}

StoreResult ReadForecast(const MemoryStore& store, const QString& library, const QDateTime& now,
                         ProgressFigures* figures) {
    const QDate today = now.date();
    figures->due.clear();
    for (int d = 0; d < ProgressFigures::kForecastDays; ++d) {
        const QDate day = today.addDays(d);
        const qint64 from = d == 0 ? std::numeric_limits<qint64>::min()
                                   : day.startOfDay(now.timeZone()).toSecsSinceEpoch();
        const qint64 to = day.addDays(1).startOfDay(now.timeZone()).toSecsSinceEpoch();
        const Query query =
            ForLibrary(library,
                       QStringLiteral("SELECT count(*) FROM cards WHERE state IN (%1, %2)"
                                      "%LIBRARY AND due >= ? AND due < ?")
                           .arg(static_cast<int>(CardState::Learning))
                           .arg(static_cast<int>(CardState::Known)),
                       {}, QStringLiteral("library"));
        DueDay due{day};
        const StoreResult result =
            store.Read(query.sql, query.values + QVariantList{from, to}, [&](const QSqlQuery& row) {
                due.cards = row.value(0).toInt();
                return false;
            });
        if (!result.ok()) {
            return result;
        }
        figures->due.push_back(due);
    }
    return {};
}

// The ratings of cards that were due; their condition is the one of the index ratings_due.
// Cards are looked up per rating (CROSS JOIN keeps that order) rather than the ratings per
// card, as a library holds many more cards than a month holds due ratings.
StoreResult ReadRetention(const MemoryStore& store, const QString& library, QDate today,
                          ProgressFigures* figures) {
    const QString from = library.isEmpty() ? QStringLiteral("ratings r")
                                           : QStringLiteral("ratings r CROSS JOIN cards c"
                                                            " ON c.id = r.card");
    const Query query = ForLibrary(
        library,
        QStringLiteral("SELECT count(*), total(r.rating = %1) FROM %2 WHERE r.due_before > 0"
                       " AND r.time >= r.due_before AND r.day BETWEEN ? AND ?%LIBRARY")
            .arg(static_cast<int>(Rating::Good))
            .arg(from),
        {DayKey(today.addDays(1 - ProgressFigures::kPastDays)), DayKey(today)},
        QStringLiteral("c.library"));
    return store.Read(query.sql, query.values, [&](const QSqlQuery& row) {
        figures->dueRatings = row.value(0).toInt();
        figures->dueRatingsKnown = row.value(1).toInt();
        return false;
    });
}

} // namespace

std::optional<double> ProgressFigures::Retention() const {
    if (dueRatings == 0) {
        return std::nullopt;
    }
    return double(dueRatingsKnown) / dueRatings;
}

StoreResult ComputeProgressFigures(const MemoryStore& store, const QString& library,
                                   const QDateTime& now, double targetRetention,
                                   ProgressFigures* figures) {
    const QDate today = now.date();
    figures->targetRetention = targetRetention;
    StoreResult result = ReadDays(store, library, today, figures);
    if (result.ok()) {
        result = ReadStreak(store, library, today, &figures->streak);
    }
    if (result.ok()) {
        result = ReadStates(store, library, figures);
    }
    if (result.ok()) {
        result = ReadForecast(store, library, now, figures);
    }
    if (result.ok()) {
        result = ReadRetention(store, library, today, figures);
    }
    return result;
}

QByteArray ProgressCsv(const ProgressFigures& figures) {
    QByteArray csv = "date,known,again,exposures,seconds,due\r\n";
    if (figures.days.empty() || figures.due.empty()) {
        return csv;
    }
    const QDate first = figures.days.front().day;
    const QDate forecastStart = figures.due.front().day;
    for (QDate day = first; day <= figures.due.back().day; day = day.addDays(1)) {
        csv += DayKey(day).toLatin1();
        const qint64 past = first.daysTo(day);
        if (past < qint64(figures.days.size())) {
            const ProgressDay& figuresOfDay = figures.days[past];
            for (int value : {figuresOfDay.known, figuresOfDay.again, figuresOfDay.exposures,
                              figuresOfDay.seconds}) {
                csv += ',' + QByteArray::number(value);
            }
        } else {
            csv += ",,,,";
        }
        const qint64 ahead = forecastStart.daysTo(day);
        csv += ',';
        if (ahead >= 0) {
            csv += QByteArray::number(figures.due[ahead].cards);
        }
        csv += "\r\n";
    }
    return csv;
}
