#include "memory/MemoryStats.h"

#include "library/WordList.h"
#include "memory/ReviewSchedule.h"

#include <QSet>
#include <QTimeZone>

#include <array>

namespace {

constexpr int kDaysAhead = 7;

struct Counts {
    int known = 0;
    int learning = 0;
    int dueNow = 0;
    std::array<int, kDaysAhead> dueOnDay{};
};

Counts CountCards(const std::vector<Card>& cards, const WordList& entries, const QDateTime& now) {
    QSet<QByteArray> words;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        words.insert(CardKey(entries.at(i)).toByteArray());
    }
    std::array<qint64, kDaysAhead + 1> dayStarts{};
    for (int d = 0; d <= kDaysAhead; ++d) {
        dayStarts[d] = now.date().addDays(d + 1).startOfDay(now.timeZone()).toSecsSinceEpoch();
    }
    const qint64 time = now.toSecsSinceEpoch();
    Counts counts;
    for (const Card& card : cards) {
        if (card.state == CardState::New || !words.contains(card.word)) {
            continue;
        }
        ++(card.state == CardState::Known ? counts.known : counts.learning);
        if (card.due <= time) {
            ++counts.dueNow;
        }
        for (int d = 0; d < kDaysAhead; ++d) {
            if (card.due >= dayStarts[d] && card.due < dayStarts[d + 1]) {
                ++counts.dueOnDay[d];
            }
        }
    }
    return counts;
}

} // namespace

StoreResult MemoryStatsLines(const MemoryStore& store, const std::vector<CountedLibrary>& libraries,
                             const QDateTime& now, QStringList* lines) {
    QStringList header = {"library", "entries", "new",         "learning",
                          "known",   "due now", "rated today", "exposures today"};
    for (int d = 1; d <= kDaysAhead; ++d) {
        header.append(QStringLiteral("due in %1d").arg(d));
    }
    lines->clear();
    lines->append(header.join('\t'));
    for (const CountedLibrary& library : libraries) {
        std::vector<Card> cards;
        DailyFigures today;
        StoreResult result = store.LoadCards(library.name, &cards);
        if (result.ok()) {
            result = store.LoadDay(library.name, now.date(), &today);
        }
        if (!result.ok()) {
            return result;
        }
        const Counts counts = CountCards(cards, *library.entries, now);
        const qsizetype entries = library.entries->size();
        QStringList fields = {library.name,
                              QString::number(entries),
                              QString::number(entries - counts.learning - counts.known),
                              QString::number(counts.learning),
                              QString::number(counts.known),
                              QString::number(counts.dueNow),
                              QString::number(today.again + today.known + today.alreadyKnown),
                              QString::number(today.exposures)};
        for (int due : counts.dueOnDay) {
            fields.append(QString::number(due));
        }
        lines->append(fields.join('\t'));
    }
    return {};
}
