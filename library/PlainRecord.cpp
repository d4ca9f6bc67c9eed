#include "library/PlainRecord.h"

#include "library/ImportedLines.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kBlock = 16;

// The length of the valid UTF-8 character that begins with the byte at `at`, which is not
// ASCII, or 0 when none begins there: valid as for QByteArrayView::isValidUtf8.
qsizetype Utf8CharacterLength(QByteArrayView text, qsizetype at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    // The second byte's range is narrower where a wider one would allow an overlong form, a
    // surrogate or a code point past U+10FFFF.
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    }
    if (length == 0 || text.size() - at < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (qsizetype k = 2; k < length; ++k) {
        if ((text[at + k] & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

constexpr bool IsAsciiStop(char byte) {
    return static_cast<unsigned char>(byte) < 0x80 && byte != '\n' && byte != '\r';
}

// The ASCII bytes to rewrite but the line ends, which are stops of their own.
constexpr std::size_t kOtherStopCount = std::ranges::count_if(kBytesToRewrite.bytes, IsAsciiStop);
constexpr std::array<char, kOtherStopCount> kOtherStops = [] {
    std::array<char, kOtherStopCount> stops{};
    std::ranges::copy_if(kBytesToRewrite.bytes, stops.begin(), IsAsciiStop);
    return stops;
}();

} // namespace

PlainRecords::PlainRecords(QByteArrayView text, char separator, const EntryColumns& columns)
    : text_(text), separator_(separator), columns_(columns) {
    for (const char byte : kOtherStops) {
        isStop_[static_cast<unsigned char>(byte)] = true;
    }
    isStop_[static_cast<unsigned char>(separator)] = true;
    isStop_['\n'] = true;
    isStop_['\r'] = true;
    std::fill(isStop_.begin() + 0xC0, isStop_.end(), true);
}

// `afterAscii` says whether the byte before the block is ASCII, or the block starts a record.
// Inline, as it runs for every sixteen bytes.
inline PlainRecords::Block PlainRecords::BlockAt(qsizetype start, bool afterAscii) const {
    const char* data = text_.data() + start;
    const qsizetype size = std::min(kBlock, text_.size() - start);
    Block block;
    unsigned ascii = 0;
#if defined(__SSE2__)
    if (size == kBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
        // As signed bytes, continuation bytes are below -64 and lead bytes from -64 to -1.
        const __m128i continuations = _mm_cmplt_epi8(bytes, _mm_set1_epi8(-64));
        __m128i stops = _mm_andnot_si128(continuations, _mm_cmplt_epi8(bytes, _mm_setzero_si128()));
        for (const char byte : std::array{separator_, '\n', '\r'}) {
            stops = _mm_or_si128(stops, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte)));
        }
        for (const char byte : kOtherStops) {
            stops = _mm_or_si128(stops, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte)));
        }
        block.stops = static_cast<unsigned>(_mm_movemask_epi8(stops));
        block.continuations = static_cast<unsigned>(_mm_movemask_epi8(continuations));
        ascii = ~static_cast<unsigned>(_mm_movemask_epi8(bytes)) & 0xFFFF;
    }
#endif
    if (size < kBlock) {
        for (qsizetype k = 0; k < size; ++k) {
            const auto byte = static_cast<unsigned char>(data[k]);
            block.stops |= isStop_[byte] ? 1U << k : 0;
            block.continuations |= (byte & 0xC0) == 0x80 ? 1U << k : 0;
            ascii |= byte < 0x80 ? 1U << k : 0;
        }
    }
    block.strays = block.continuations & ((ascii << 1) | (afterAscii ? 1 : 0));
    block.endsInAscii = (ascii >> (kBlock - 1)) != 0;
    return block;
}

std::optional<PlainRecord> PlainRecords::At(qsizetype start) const {
    const qsizetype size = text_.size();
    PlainRecord record;
    qsizetype fieldStart = start;
    const auto endField = [&](qsizetype end) {
        const QByteArrayView field = text_.sliced(fieldStart, end - fieldStart);
        for (std::size_t role = 0; role < columns_.size(); ++role) {
            if (columns_[role] == record.columnCount) {
                record.fields[role] = field;
            }
        }
        if (record.columnCount++ == 0) {
            record.first = field;
        }
    };
    if (start < size && text_[start] == '"') {
        return std::nullopt;
    }
    // A character's continuation bytes follow its lead byte, checked with it; a continuation
    // byte after an ASCII one, or after a whole character, is none.
    qsizetype block = start;
    Block bytes = BlockAt(block, true);
    // The record ends before `end`, the next one begins at `next`.
    const auto finish = [&](qsizetype end, qsizetype next) -> std::optional<PlainRecord> {
        if ((bytes.strays & ((1U << (end - block)) - 1)) != 0) {
            return std::nullopt;
        }
        endField(end);
        record.end = next;
        return record;
    };
    while (true) {
        while (bytes.stops == 0 && block + kBlock < size) {
            if (bytes.strays != 0) {
                return std::nullopt;
            }
            block += kBlock;
            bytes = BlockAt(block, bytes.endsInAscii);
        }
        if (bytes.stops == 0) {
            return finish(size, size);
        }
        const qsizetype at = block + std::countr_zero(bytes.stops);
        bytes.stops &= bytes.stops - 1;
        const char byte = text_[at];
        if (byte == separator_) {
            endField(at);
            fieldStart = at + 1;
            if (fieldStart < size && text_[fieldStart] == '"') {
                return std::nullopt;
            }
        } else if (byte == '\n') {
            return finish(at, at + 1);
        } else if (byte == '\r') {
            if (at + 1 == size || text_[at + 1] != '\n') {
                return std::nullopt; // a carriage return alone also ends a record
            }
            return finish(at, at + 2);
        } else {
            record.mayRewrite =
                record.mayRewrite || kBytesToRewrite.table[static_cast<unsigned char>(byte)];
            if (static_cast<unsigned char>(byte) >= 0x80) {
                const qsizetype length = Utf8CharacterLength(text_, at);
                if (length == 0 || (at + length < size && (text_[at + length] & 0xC0) == 0x80)) {
                    return std::nullopt;
                }
            }
        }
    }
}
