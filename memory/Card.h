#pragma once

#include "memory/Fsrs.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Where a word stands: shown but never rated, last rated "I don't know it", or last rated
// "I know it".
enum class CardState { New = 0, Learning = 1, Known = 2 };

// What the memory keeps of one word of a library. Times are seconds since the epoch.
struct Card {
    QByteArray word;                   // the word field's bytes, the card's key within its library
    std::optional<MemoryState> memory; // none before the first rating
    CardState state = CardState::New;
    qint64 created = 0; // when the word was first shown or rated
    qint64 lastReview = 0;
    qint64 due = 0;
    int reps = 0;
    int lapses = 0;
};
