#pragma once

#include <array>
#include <optional>

// The learner's answer to a word: "I don't know it" (1), "I know it" (3), and "I know it" the
// first time the word is rated (4, "already known").
enum class Rating { Again = 1, Good = 3, Easy = 4 };

// The memory of one word: stability is the number of days after which the learner still
// recalls it with a probability of 0.9, difficulty runs from 1 (easy) to 10 (hard).
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// The memory model FSRS-6 with its 21 default weights: how stability and difficulty change
// with each rating, how recall fades with the days since the last review, and after how many
// days a word is due again for the target retention. Rounded as the reference implementation
// ts-fsrs rounds, without interval fuzz.
class Fsrs {
public:
    static constexpr double kMinRetention = 0.80;
    static constexpr double kMaxRetention = 0.97;
    static constexpr double kDefaultRetention = 0.9;
    static constexpr int kMaxInterval = 36500;

    // The target retention is clamped to kMinRetention..kMaxRetention.
    explicit Fsrs(double retention = kDefaultRetention);

    static const std::array<double, 21>& Weights();

    // The state after a rating given `days` whole days after the previous one; no previous
    // state means the word's first rating. Ratings on the day of the previous one (days == 0)
    // follow the short-term stability rule.
    MemoryState Next(const std::optional<MemoryState>& previous, int days, Rating rating) const;

    // The probability of recall `days` days after the last review.
    double Retrievability(double days, double stability) const;

    // The days until the next review: 1 to kMaxInterval.
    int IntervalDays(double stability) const;

private:
    MemoryState Initial(Rating rating) const;
    double NextDifficulty(double difficulty, Rating rating) const;
    double RecallStability(const MemoryState& state, double recall, Rating rating) const;
    double ForgetStability(const MemoryState& state, double recall) const;
    double ShortTermStability(double stability, Rating rating) const;

    double intervalFactor_;
};
