#pragma once

#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

// The largest numbers the browse page's fields take: a count fits the record's 32 bits, and so
// must the time per word once the seconds are turned into milliseconds.
inline constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kMaxSeconds = kMaxCount / 1000;

// The number a field's text stands for: a whole number from 0 to `maximum`, written in decimal
// digits with an optional leading '+', blanks around it allowed. Anything else, a negative
// number included, is nothing, and the sheet asks for an integer.
std::optional<std::int32_t> FieldNumber(const QString& text, std::int32_t maximum);
