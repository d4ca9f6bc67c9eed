#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Calls onLineEnd(position) for every line feed in data[0, size), in order. Libraries of a
// million lines are read in one pass over their bytes, sixteen at a time where the processor
// allows it.
template <typename OnLineEnd>
void ForEachLineFeed(const char* data, qsizetype size, OnLineEnd&& onLineEnd) {
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)));
        while (mask != 0) {
            onLineEnd(i + __builtin_ctz(mask));
            mask &= mask - 1;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\n') {
            onLineEnd(i);
        }
    }
}

// A few bytes searched for at once: compared sixteen bytes at a time where the processor allows
// it, and looked up one by one in a table in the rest.
template <std::size_t N> struct ByteSet {
    constexpr explicit ByteSet(const std::array<char, N>& wanted) : bytes(wanted) {
        for (const char byte : bytes) {
            table[static_cast<unsigned char>(byte)] = true;
        }
    }

    std::array<char, N> bytes;
    std::array<bool, 256> table{};
};

// The position of the first byte of the set in text[from, size), or the size when none is
// there. Fields of word lists are searched for the bytes that end them or need rewriting; most
// lines hold none but the ones that end their fields.
template <std::size_t N>
qsizetype FindAnyOf(QByteArrayView text, qsizetype from, const ByteSet<N>& set) {
    const char* data = text.data();
    const qsizetype size = text.size();
    qsizetype i = from;
#if defined(__SSE2__)
    // Most fields are shorter than a block: they go straight to the table.
    if (size - i >= 16) {
        __m128i wanted[N];
        std::ranges::transform(set.bytes, wanted, [](char byte) { return _mm_set1_epi8(byte); });
        for (; i + 16 <= size; i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            __m128i found = _mm_setzero_si128();
            for (const __m128i& byte : wanted) {
                found = _mm_or_si128(found, _mm_cmpeq_epi8(block, byte));
            }
            if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0) {
                return i + __builtin_ctz(mask);
            }
        }
    }
#endif
    for (; i < size; ++i) {
        if (set.table[static_cast<unsigned char>(data[i])]) {
            return i;
        }
    }
    return size;
}
