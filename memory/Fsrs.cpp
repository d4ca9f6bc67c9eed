#include "memory/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<double, 21> kWeights = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;

double W(int i) {
    return kWeights[static_cast<std::size_t>(i)];
}

double Grade(Rating rating) {
    return static_cast<int>(rating);
}

// Values are kept to 8 decimals after each step, as the reference implementation keeps them.
double Round8(double value) {
    return std::round(value * 1e8) / 1e8;
}

double ClampStability(double stability) {
    return Round8(std::clamp(stability, kMinStability, kMaxStability));
}

// The forgetting curve R(t, S) = (1 + factor * t / S)^(-w20), with the factor chosen so that
// R(S, S) = 0.9.
double CurveFactor() {
    return std::pow(0.9, -1 / W(20)) - 1;
}

double InitialDifficulty(double grade) {
    return Round8(W(4) - std::exp((grade - 1) * W(5)) + 1);
}

} // namespace

Fsrs::Fsrs(double retention) {
    const double target = std::clamp(retention, kMinRetention, kMaxRetention);
    intervalFactor_ = Round8((std::pow(target, -1 / W(20)) - 1) / CurveFactor());
}

const std::array<double, 21>& Fsrs::Weights() {
    return kWeights;
}

double Fsrs::Retrievability(double days, double stability) const {
    return Round8(std::pow(1 + CurveFactor() * days / stability, -W(20)));
}

int Fsrs::IntervalDays(double stability) const {
    const double days = std::round(stability * intervalFactor_);
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(kMaxInterval)));
}

MemoryState Fsrs::Next(const std::optional<MemoryState>& previous, int days, Rating rating) const {
    if (!previous) {
        return Initial(rating);
    }
    const double recall = Retrievability(days, previous->stability);
    double stability = 0;
    if (days == 0) {
        stability = ShortTermStability(previous->stability, rating);
    } else if (rating == Rating::Again) {
        // Forgetting leaves at most the old stability lowered as a same-day "again" lowers it.
        const double floor = Round8(previous->stability / std::exp(W(17) * W(18)));
        stability = std::clamp(floor, kMinStability, ForgetStability(*previous, recall));
    } else {
        stability = RecallStability(*previous, recall, rating);
    }
    return {stability, NextDifficulty(previous->difficulty, rating)};
}

MemoryState Fsrs::Initial(Rating rating) const {
    const double grade = Grade(rating);
    return {std::max(W(static_cast<int>(grade) - 1), kMinStability),
            std::clamp(InitialDifficulty(grade), 1.0, 10.0)};
}

// Linear damping brings the change to nothing as difficulty nears 10; mean reversion pulls it
// towards the difficulty of a first "easy".
double Fsrs::NextDifficulty(double difficulty, Rating rating) const {
    const double change = -W(6) * (Grade(rating) - 3);
    const double damped = difficulty + Round8(change * (10 - difficulty) / 9);
    const double reverted = W(7) * InitialDifficulty(4) + (1 - W(7)) * damped;
    return std::clamp(Round8(reverted), 1.0, 10.0);
}

double Fsrs::RecallStability(const MemoryState& state, double recall, Rating rating) const {
    const double easyBonus = rating == Rating::Easy ? W(16) : 1;
    const double growth = std::exp(W(8)) * (11 - state.difficulty) *
                          std::pow(state.stability, -W(9)) * (std::exp((1 - recall) * W(10)) - 1) *
                          easyBonus;
    return ClampStability(state.stability * (1 + growth));
}

double Fsrs::ForgetStability(const MemoryState& state, double recall) const {
    return ClampStability(W(11) * std::pow(state.difficulty, -W(12)) *
                          (std::pow(state.stability + 1, W(13)) - 1) *
                          std::exp((1 - recall) * W(14)));
}

double Fsrs::ShortTermStability(double stability, Rating rating) const {
    const double grade = Grade(rating);
    double increase = std::pow(stability, -W(19)) * std::exp(W(17) * (grade - 3 + W(18)));
    if (grade >= 3) {
        increase = std::max(increase, 1.0);
    }
    return ClampStability(stability * increase);
}
