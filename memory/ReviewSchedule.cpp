#include "memory/ReviewSchedule.h"

#include "library/LineFields.h"
#include "library/WordList.h"

#include <QTimeZone>

#include <algorithm>

namespace {

constexpr qint64 kDay = 24 * 60 * 60;

QByteArray RawKey(QByteArrayView key) {
    return QByteArray::fromRawData(key.data(), key.size());
}

} // namespace

QByteArrayView CardKey(QByteArrayView line) {
    const QByteArrayView word = SplitFields(line).word;
    return word.isEmpty() ? line : word;
}

ReviewSchedule::ReviewSchedule(const WordList& entries, QString library, MemoryStore& store,
                               std::vector<Card> cards, ReviewOptions options)
    : entries_(entries), library_(std::move(library)), store_(store), options_(options),
      model_(options.retention), cards_(std::move(cards)), indexOfCard_(cards_.size(), -1),
      quota_(cards_.size(), 0), memberSlot_(cards_.size(), -1) {
    cardOfKey_.reserve(static_cast<qsizetype>(cards_.size()));
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        cardOfKey_.insert(cards_[c].word, static_cast<int>(c));
    }
}

// Finding the entry of every card takes a pass over the library, which only the choice of
// entries needs: ratings and showings alone find their cards by their words.
void ReviewSchedule::Prepare(const QDateTime& now) {
    if (prepared_) {
        return;
    }
    prepared_ = true;
    // Each card goes with the first entry of its word; once every card has one, the rest of the
    // library changes nothing, and a long library is not read to its end.
    auto unplaced = std::count(indexOfCard_.begin(), indexOfCard_.end(), -1);
    for (qsizetype i = 0; i < entries_.size() && unplaced > 0; ++i) {
        const auto found = cardOfKey_.constFind(RawKey(CardKey(entries_.at(i))));
        if (found != cardOfKey_.cend() && indexOfCard_[*found] < 0) {
            indexOfCard_[*found] = i;
            --unplaced;
        }
    }
    StartDay(now);
}

const Card* ReviewSchedule::CardAt(qsizetype index) const {
    const int card = FindCard(index);
    return card < 0 ? nullptr : &cards_[card];
}

int ReviewSchedule::FindCard(qsizetype index) const {
    return cardOfKey_.value(RawKey(CardKey(entries_.at(index))), -1);
}

int ReviewSchedule::AddCard(qsizetype index, qint64 now) {
    Card card;
    card.word = CardKey(entries_.at(index)).toByteArray();
    card.created = now;
    const int id = static_cast<int>(cards_.size());
    cards_.push_back(std::move(card));
    indexOfCard_.push_back(index);
    quota_.push_back(0);
    memberSlot_.push_back(-1);
    cardOfKey_.insert(cards_.back().word, id);
    ++newToday_;
    return id;
}

bool ReviewSchedule::IsMember(int card, qint64 now) const {
    const Card& c = cards_[card];
    if (indexOfCard_[card] < 0) {
        return false;
    }
    switch (c.state) {
    case CardState::New:
        return quota_[card] || c.created < dayStart_;
    case CardState::Learning:
        return now < c.lastReview + kDay || now >= c.due;
    case CardState::Known:
        return now >= c.due;
    }
    return false;
}

void ReviewSchedule::Update(int card, qint64 now) {
    if (!prepared_) {
        return; // the set is made when the first entry is chosen
    }
    const bool member = IsMember(card, now);
    qsizetype& slot = memberSlot_[card];
    if (member && slot < 0) {
        slot = static_cast<qsizetype>(members_.size());
        members_.push_back(card);
    } else if (!member && slot >= 0) {
        memberSlot_[members_.back()] = slot;
        members_[slot] = members_.back();
        members_.pop_back();
        slot = -1;
    }
    const Card& c = cards_[card];
    if (c.state == CardState::Learning && now < c.lastReview + kDay) {
        events_.push({c.lastReview + kDay, card});
    }
    if (c.state != CardState::New && now < c.due) {
        events_.push({c.due, card});
    }
}

void ReviewSchedule::StartDay(const QDateTime& now) {
    const QDate day = now.date();
    dayStart_ = day.startOfDay(now.timeZone()).toSecsSinceEpoch();
    dayEnd_ = day.addDays(1).startOfDay(now.timeZone()).toSecsSinceEpoch();
    const qint64 time = now.toSecsSinceEpoch();
    // The day's new words so far, in the order they were first shown.
    std::vector<int> today;
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        quota_[c] = 0;
        if (cards_[c].created >= dayStart_) {
            today.push_back(static_cast<int>(c));
        }
    }
    std::sort(today.begin(), today.end(),
              [&](int a, int b) { return cards_[a].created < cards_[b].created; });
    newToday_ = static_cast<int>(today.size());
    for (std::size_t n = 0; n < today.size() && static_cast<int>(n) < options_.newPerDay; ++n) {
        quota_[today[n]] = 1;
    }
    extras_.clear();
    events_ = {};
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        Update(static_cast<int>(c), time);
    }
    TakeNewWords(time);
}

void ReviewSchedule::TakeNewWords(qint64 now) {
    while (newToday_ < options_.newPerDay) {
        const std::optional<qsizetype> index = NextNewIndex();
        if (!index) {
            return;
        }
        const int card = AddCard(*index, now);
        quota_[card] = 1;
        Update(card, now);
    }
}

std::optional<qsizetype> ReviewSchedule::NextNewIndex() {
    for (; nextNew_ < entries_.size(); ++nextNew_) {
        if (FindCard(nextNew_) < 0) {
            return nextNew_;
        }
    }
    return std::nullopt;
}

void ReviewSchedule::BuildRound(qint64 now) {
    std::vector<std::pair<double, int>> order;
    order.reserve(members_.size());
    for (int card : members_) {
        const Card& c = cards_[card];
        const double recall =
            c.memory ? model_.Retrievability(static_cast<double>(now - c.lastReview) / kDay,
                                             c.memory->stability)
                     : 0.0;
        order.emplace_back(recall, card);
    }
    std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first
                                  : indexOfCard_[a.second] < indexOfCard_[b.second];
    });
    round_.clear();
    for (const auto& [recall, card] : order) {
        round_.push_back(card);
    }
    if (round_.size() >= 2 && round_.front() == last_) {
        std::swap(round_[0], round_[1]);
    }
    roundNext_ = 0;
}

qsizetype ReviewSchedule::NextBeyondSet(qint64 now) {
    if (const std::optional<qsizetype> index = NextNewIndex()) {
        extras_.push_back(AddCard(*index, now));
        return *index;
    }
    const qsizetype index = nextInOrder_;
    nextInOrder_ = (nextInOrder_ + 1) % entries_.size();
    return index;
}

std::optional<qsizetype> ReviewSchedule::NextIndex(const QDateTime& now) {
    if (entries_.isEmpty()) {
        return std::nullopt;
    }
    Prepare(now);
    const qint64 time = now.toSecsSinceEpoch();
    if (time >= dayEnd_ || time < dayStart_) {
        StartDay(now);
    }
    while (!events_.empty() && events_.top().time <= time) {
        const int card = events_.top().card;
        events_.pop();
        Update(card, time);
    }
    if (members_.empty()) {
        last_ = -1;
        return NextBeyondSet(time);
    }
    for (;;) {
        if (roundNext_ >= round_.size()) {
            BuildRound(time);
        }
        const int card = round_[roundNext_++];
        if (memberSlot_[card] >= 0 && (card != last_ || members_.size() == 1)) {
            last_ = card;
            return indexOfCard_[card];
        }
    }
}

StoreResult ReviewSchedule::Rate(qsizetype index, bool known, const QDateTime& now) {
    const qint64 time = now.toSecsSinceEpoch();
    int card = FindCard(index);
    if (card < 0) {
        card = AddCard(index, time);
        extras_.push_back(card);
    }
    Card rated = cards_[card];
    const Rating rating = !known ? Rating::Again : rated.memory ? Rating::Good : Rating::Easy;
    const int days =
        rated.memory
            ? static_cast<int>(QDateTime::fromSecsSinceEpoch(rated.lastReview, now.timeZone())
                                   .date()
                                   .daysTo(now.date()))
            : 0;
    rated.memory = model_.Next(rated.memory, std::max(days, 0), rating);
    if (rating == Rating::Again && rated.state == CardState::Known) {
        ++rated.lapses;
    }
    rated.state = rating == Rating::Again ? CardState::Learning : CardState::Known;
    ++rated.reps;
    rated.lastReview = time;
    rated.due = time + model_.IntervalDays(rated.memory->stability) * kDay;
    const StoreResult result = store_.SaveRating(library_, rated, rating, now);
    if (result.ok()) {
        cards_[card] = std::move(rated);
        Update(card, time);
    }
    return result;
}

StoreResult ReviewSchedule::Exposed(qsizetype index, const QDateTime& now) {
    if (FindCard(index) < 0) {
        extras_.push_back(AddCard(index, now.toSecsSinceEpoch()));
    }
    return store_.SaveExposure(library_, CardKey(entries_.at(index)).toByteArray(), now);
}
