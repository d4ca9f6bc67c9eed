#pragma once

#include "memory/Card.h"
#include "memory/Fsrs.h"
#include "memory/MemoryStore.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>
#include <queue>
#include <vector>

class WordList;

struct ReviewOptions {
    int newPerDay = 20;
    double retention = Fsrs::kDefaultRetention;
};

// The word a line is remembered by: its word field, or the whole line when that is empty.
QByteArrayView CardKey(QByteArrayView line);

// The choice of entries when recitation follows the word memory. Today's set holds the cards
// that are due, the cards rated "I don't know it" in the last day, words shown on earlier days
// and never rated, and the day's new words: the next words of the library without a card, in
// library order, at most newPerDay a day. The set is shown in rounds: each round shows every
// card of the set once, the lowest retrievability first (unrated words count as 0, ties go in
// library order), and never the same entry twice in a row while the set holds two or more.
// A card rated "I know it" leaves the set until it is due; a card that joins the set waits
// for the next round. With the set empty, the next words without a card are shown one by
// one, and once every word has a card, the library in its order.
//
// The set is kept up to date by events (a card falling due, a day passing since an "I don't
// know it"), so a pick never looks at the whole library or every card. Ratings and showings
// are written to the store at once.
class ReviewSchedule {
public:
    // `entries` must outlive the schedule; `cards` are the library's cards from the store.
    ReviewSchedule(const WordList& entries, QString library, MemoryStore& store,
                   std::vector<Card> cards, ReviewOptions options);

    // Makes today's set, which the first NextIndex does; before it the counts below are 0.
    void Prepare(const QDateTime& now);

    // The entry to show next; none only for an empty library.
    std::optional<qsizetype> NextIndex(const QDateTime& now);

    // "I know it" (known) or "I don't know it" on the entry at index. The card is unchanged
    // when the store fails.
    StoreResult Rate(qsizetype index, bool known, const QDateTime& now);

    // The entry at index has been shown.
    StoreResult Exposed(qsizetype index, const QDateTime& now);

    // The card of the entry at index, if its word has one.
    const Card* CardAt(qsizetype index) const;

    // The new words taken today.
    int NewToday() const { return newToday_; }

    // The number of cards in today's set.
    qsizetype SetSize() const { return static_cast<qsizetype>(members_.size()); }

private:
    struct Event {
        qint64 time;
        int card;
        bool operator>(const Event& other) const { return time > other.time; }
    };

    int FindCard(qsizetype index) const;
    int AddCard(qsizetype index, qint64 now);
    bool IsMember(int card, qint64 now) const;
    void Update(int card, qint64 now);
    void StartDay(const QDateTime& now);
    void TakeNewWords(qint64 now);
    void BuildRound(qint64 now);
    qsizetype NextBeyondSet(qint64 now);
    std::optional<qsizetype> NextNewIndex();

    const WordList& entries_;
    const QString library_;
    MemoryStore& store_;
    const ReviewOptions options_;
    const Fsrs model_;

    std::vector<Card> cards_;
    std::vector<qsizetype> indexOfCard_; // -1 for a word no longer in the library
    std::vector<char> quota_;            // one of the day's new words
    QHash<QByteArray, int> cardOfKey_;

    std::vector<int> members_;
    std::vector<qsizetype> memberSlot_; // where a card is in members_, -1 when not in the set
    std::priority_queue<Event, std::vector<Event>, std::greater<>> events_;
    std::vector<int> extras_; // words shown today beyond the day's count

    std::vector<int> round_;
    std::size_t roundNext_ = 0;
    int last_ = -1;
    bool prepared_ = false;

    qsizetype nextNew_ = 0; // no library entry before it is a word without a card
    qsizetype nextInOrder_ = 0;
    int newToday_ = 0;
    qint64 dayStart_ = 0;
    qint64 dayEnd_ = 0;
};
