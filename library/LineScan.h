#pragma once

#include <QtGlobal>

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
