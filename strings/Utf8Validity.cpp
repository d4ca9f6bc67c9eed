#include "strings/TextCodec.h"

#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

// The check looks at each byte with the one before it (Keiser and Lemire's lookup method). What
// can be wrong with such a pair is a bit each; the first byte's high nibble, its low nibble and
// the second byte's high nibble each give the faults they allow, and a pair is wrong where all
// three agree.
constexpr std::uint8_t kTooShort = 1 << 0;  // a lead byte, then no continuation byte
constexpr std::uint8_t kTooLong = 1 << 1;   // an ASCII byte, then a continuation byte
constexpr std::uint8_t kOverlong3 = 1 << 2; // E0 then 80-9F
constexpr std::uint8_t kTooLarge = 1 << 3;  // F4 then 90-BF, or F5-FF then 90-BF
constexpr std::uint8_t kSurrogate = 1 << 4; // ED then A0-BF
constexpr std::uint8_t kOverlong2 = 1 << 5; // C0 or C1, then a continuation byte
// F0 then 80-8F (overlong), or F5-FF then 80-8F (too large): the low nibble tells them apart.
constexpr std::uint8_t kOverlong4OrTooLarge = 1 << 6;
// Two continuation bytes in a row: wrong unless the second is a character's third or fourth byte.
constexpr std::uint8_t kTwoContinuations = 1 << 7;
constexpr std::uint8_t kAnyLow = kTooShort | kTooLong | kTwoContinuations;

using Lookup = std::array<std::uint8_t, 16>;

// Nibbles from `first` to `last` and the faults they allow; a later range overrides.
struct NibbleRange {
    int first;
    int last;
    std::uint8_t faults;
};

constexpr Lookup ByNibble(std::initializer_list<NibbleRange> ranges) {
    Lookup lookup{};
    for (const NibbleRange& range : ranges) {
        for (int nibble = range.first; nibble <= range.last; ++nibble) {
            lookup[static_cast<std::size_t>(nibble)] = range.faults;
        }
    }
    return lookup;
}

constexpr Lookup kFirstHigh = ByNibble({
    {0x0, 0x7, kTooLong}, // ASCII
    {0x8, 0xB, kTwoContinuations},
    {0xC, 0xC, kTooShort | kOverlong2},
    {0xD, 0xD, kTooShort},
    {0xE, 0xE, kTooShort | kOverlong3 | kSurrogate},
    {0xF, 0xF, kTooShort | kTooLarge | kOverlong4OrTooLarge},
});

constexpr Lookup kFirstLow = ByNibble({
    {0x0, 0x0, kAnyLow | kOverlong3 | kOverlong2 | kOverlong4OrTooLarge}, // C0, E0, F0
    {0x1, 0x1, kAnyLow | kOverlong2},                                     // C1
    {0x2, 0x3, kAnyLow},
    {0x4, 0x4, kAnyLow | kTooLarge},                        // F4, too large only before 90-BF
    {0x5, 0xF, kAnyLow | kTooLarge | kOverlong4OrTooLarge}, // F5-FF
    {0xD, 0xD, kAnyLow | kTooLarge | kOverlong4OrTooLarge | kSurrogate}, // ED
});

constexpr std::uint8_t kContinuation = kTooLong | kOverlong2 | kTwoContinuations;
constexpr Lookup kSecondHigh = ByNibble({
    {0x0, 0x7, kTooShort}, // ASCII
    {0x8, 0x8, kContinuation | kOverlong3 | kOverlong4OrTooLarge},
    {0x9, 0x9, kContinuation | kOverlong3 | kTooLarge},
    {0xA, 0xB, kContinuation | kSurrogate | kTooLarge},
    {0xC, 0xF, kTooShort}, // lead bytes
});

// The state of a check between blocks.
struct Scan {
    __m128i firstHigh;
    __m128i firstLow;
    __m128i secondHigh;
    __m128i previous; // the block before
    __m128i errors;   // nonzero once any fault is found
};

[[gnu::target("ssse3")]] __m128i Load(const void* bytes) {
    return _mm_loadu_si128(static_cast<const __m128i*>(bytes));
}

[[gnu::target("ssse3")]] __m128i HighNibbles(__m128i bytes) {
    return _mm_and_si128(_mm_srli_epi16(bytes, 4), _mm_set1_epi8(0x0F));
}

// The faults of each byte of the block with the bytes before it.
[[gnu::target("ssse3")]] __m128i Faults(const Scan& scan, __m128i bytes) {
    const __m128i first = _mm_alignr_epi8(bytes, scan.previous, 15);
    const __m128i pairs = _mm_and_si128(
        _mm_and_si128(_mm_shuffle_epi8(scan.firstHigh, HighNibbles(first)),
                      _mm_shuffle_epi8(scan.firstLow, _mm_and_si128(first, _mm_set1_epi8(0x0F)))),
        _mm_shuffle_epi8(scan.secondHigh, HighNibbles(bytes)));
    // Two bytes back a lead byte of three or four bytes, or three back one of four: here must be
    // a continuation byte, which the pair took for a second one in a row.
    const __m128i third =
        _mm_subs_epu8(_mm_alignr_epi8(bytes, scan.previous, 14), _mm_set1_epi8(0xE0 - 0x80));
    const __m128i fourth =
        _mm_subs_epu8(_mm_alignr_epi8(bytes, scan.previous, 13), _mm_set1_epi8(0xF0 - 0x80));
    const __m128i expected = _mm_and_si128(_mm_or_si128(third, fourth), _mm_set1_epi8(-0x80));
    return _mm_xor_si128(pairs, expected);
}

// Nonzero where one of the last three bytes begins a character longer than the bytes left.
[[gnu::target("ssse3")]] __m128i Incomplete(__m128i bytes) {
    const __m128i highest = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                          static_cast<char>(0xF0 - 1), static_cast<char>(0xE0 - 1),
                                          static_cast<char>(0xC0 - 1));
    return _mm_subs_epu8(bytes, highest);
}

[[gnu::target("ssse3")]] void Check(Scan& scan, __m128i bytes) {
    // ASCII only is right unless the block before ended inside a character.
    const __m128i faults =
        _mm_movemask_epi8(bytes) == 0 ? Incomplete(scan.previous) : Faults(scan, bytes);
    scan.errors = _mm_or_si128(scan.errors, faults);
    scan.previous = bytes;
}

[[gnu::target("ssse3")]] bool IsValidUtf8ByBlocks(QByteArrayView bytes) {
    Scan scan{Load(kFirstHigh.data()), Load(kFirstLow.data()), Load(kSecondHigh.data()),
              _mm_setzero_si128(), _mm_setzero_si128()};
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    for (; at + 16 <= size; at += 16) {
        Check(scan, Load(data + at));
    }
    if (at < size) {
        // The rest, followed by zeros: ASCII, which ends any character cut short before it.
        std::array<char, 16> rest{};
        std::memcpy(rest.data(), data + at, static_cast<std::size_t>(size - at));
        Check(scan, Load(rest.data()));
    }
    const __m128i faults = _mm_or_si128(scan.errors, Incomplete(scan.previous));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(faults, _mm_setzero_si128())) == 0xFFFF;
}

} // namespace

bool IsUtf8(QByteArrayView bytes) {
    // The program is built for any x86-64 processor; most have SSSE3.
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    return hasSsse3 ? IsValidUtf8ByBlocks(bytes) : bytes.isValidUtf8();
}

#else

bool IsUtf8(QByteArrayView bytes) {
    return bytes.isValidUtf8();
}

#endif
