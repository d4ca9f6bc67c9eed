#include "memory/CardStateText.h"

#include "strings/StringTable.h"

#include <QTimeZone>

QString CardStateText(const Card* card, const QDateTime& now) {
    if (!card || card->state == CardState::New) {
        return StringText(StringId::CardStateNew);
    }
    if (card->state == CardState::Learning) {
        return StringText(StringId::CardStateLearning);
    }
    const qint64 days =
        now.date().daysTo(QDateTime::fromSecsSinceEpoch(card->due, now.timeZone()).date());
    return days <= 0 ? StringText(StringId::CardStateKnownDue)
                     : StringText(StringId::CardStateKnownInDays).arg(days);
}
