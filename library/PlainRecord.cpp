#include "library/PlainRecord.h"

#include "library/ImportedLines.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kBlock = 16;

constexpr bool IsNoLineEnd(char byte) {
    return byte != '\n' && byte != '\r';
}

// The bytes to rewrite but the line ends, which end a plain record rather than sit inside one.
constexpr std::size_t kInLineRewriteCount =
    std::ranges::count_if(kBytesToRewrite.bytes, IsNoLineEnd);
constexpr std::array<char, kInLineRewriteCount> kInLineRewrites = [] {
    std::array<char, kInLineRewriteCount> rewrites{};
    std::ranges::copy_if(kBytesToRewrite.bytes, rewrites.begin(), IsNoLineEnd);
    return rewrites;
}();

} // namespace

PlainRecords::PlainRecords(QByteArrayView text, char separator, const EntryColumns& columns)
    : text_(text), separator_(separator), columns_(columns) {
    for (const char byte : kInLineRewrites) {
        isRewrite_[static_cast<unsigned char>(byte)] = true;
    }
    isRewrite_[static_cast<unsigned char>(separator)] = false; // it ends a field, never copied
    isStop_[static_cast<unsigned char>(separator)] = true;
    isStop_['\n'] = true;
    isStop_['\r'] = true;
}

// Inline, as it runs for every sixteen bytes.
inline PlainRecords::Block PlainRecords::BlockAt(qsizetype start) const {
    const char* data = text_.data() + start;
    const qsizetype size = std::min(kBlock, text_.size() - start);
    Block block;
#if defined(__SSE2__)
    if (size == kBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
        const __m128i separators = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(separator_));
        const __m128i lineEnds = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                              _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
        __m128i rewrites = _mm_setzero_si128();
        for (const char byte : kInLineRewrites) {
            rewrites = _mm_or_si128(rewrites, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte)));
        }
        block.stops = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(separators, lineEnds)));
        block.rewrites =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(separators, rewrites)));
        return block;
    }
#endif
    for (qsizetype k = 0; k < size; ++k) {
        const auto byte = static_cast<unsigned char>(data[k]);
        block.stops |= isStop_[byte] ? 1U << k : 0;
        block.rewrites |= isRewrite_[byte] ? 1U << k : 0;
    }
    return block;
}

std::optional<PlainRecord> PlainRecords::At(qsizetype start) {
    // Copied to locals, which the compiler keeps in registers while the record's parts are
    // stored.
    const char* const data = text_.data();
    const qsizetype size = text_.size();
    const char separator = separator_;
    // The record's parts are kept apart and put together at its end: a record made first and
    // filled in is zeroed and copied whole, which takes longer than reading it.
    std::array<QByteArrayView, 3> fields;
    QByteArrayView first;
    qsizetype columnCount = 0;
    qsizetype fieldStart = start;
    const auto endField = [&](qsizetype end) {
        const QByteArrayView field = text_.sliced(fieldStart, end - fieldStart);
        for (std::size_t role = 0; role < columns_.size(); ++role) {
            if (columns_[role] == columnCount) {
                fields[role] = field;
            }
        }
        if (columnCount++ == 0) {
            first = field;
        }
    };
    if (start < size && data[start] == '"') {
        return std::nullopt;
    }
    qsizetype block = start;
    Block bytes;
    if (start >= lastRecordEnd_ && start < lastBlockEnd_) {
        block = lastBlockEnd_ - kBlock;
        const unsigned fromStart = ~0U << (start - block);
        bytes = {lastBlock_.stops & fromStart, lastBlock_.rewrites & fromStart};
    } else {
        bytes = BlockAt(block);
    }
    unsigned rewritesBefore = 0; // those of the blocks passed
    // The record ends before `end`, the next one begins at `next`.
    const auto finish = [&](qsizetype end, qsizetype next) -> std::optional<PlainRecord> {
        const unsigned rewrites = bytes.rewrites & ((1U << (end - block)) - 1);
        endField(end);
        lastBlock_ = bytes;
        lastRecordEnd_ = next;
        lastBlockEnd_ = block + kBlock;
        return PlainRecord{fields, first, columnCount, (rewritesBefore | rewrites) != 0, next};
    };
    while (true) {
        while (bytes.stops == 0 && block + kBlock < size) {
            rewritesBefore |= bytes.rewrites;
            block += kBlock;
            bytes = BlockAt(block);
        }
        if (bytes.stops == 0) {
            return finish(size, size);
        }
        const qsizetype at = block + std::countr_zero(bytes.stops);
        bytes.stops &= bytes.stops - 1;
        const char byte = data[at];
        if (byte == separator) {
            endField(at);
            fieldStart = at + 1;
            if (fieldStart < size && data[fieldStart] == '"') {
                return std::nullopt;
            }
        } else if (byte == '\n') {
            return finish(at, at + 1);
        } else if (at + 1 == size || data[at + 1] != '\n') {
            return std::nullopt; // a carriage return alone also ends a record
        } else {
            return finish(at, at + 2);
        }
    }
}
