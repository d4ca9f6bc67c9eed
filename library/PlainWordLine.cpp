#include "library/PlainWordLine.h"

#include "library/EnglishText.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<QByteArrayView, 13> kPartOfSpeechMarks{
    "n.",    "v.",    "vt.",  "vi.",  "adj.", "adv.",  "prep.",
    "conj.", "pron.", "num.", "art.", "int.", "abbr.",
};

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A mark ends where the text does or before something other than a letter: "v.放弃",
// "vt./vi.", but not the "n." of "n.b.".
bool StartsWithPartOfSpeechMark(QByteArrayView text) {
    for (const QByteArrayView mark : kPartOfSpeechMarks) {
        if (text.startsWith(mark) &&
            (text.size() == mark.size() || !IsAsciiLetter(text[mark.size()]))) {
            return true;
        }
    }
    return false;
}

// The character of valid UTF-8 text that starts at `i`, and its length in bytes.
std::pair<char32_t, qsizetype> CharacterAt(QByteArrayView text, qsizetype i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const qsizetype length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (qsizetype k = 1; k < length && i + k < text.size(); ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    return {c, length};
}

// The length of the phonetic in slashes or square brackets that starts the text, or 0. IPA
// lies below the Cyrillic block (Latin, its extensions, the modifier letters, θ and β): a
// Chinese character inside shows that the slashes are something else ("/ or 和/或").
qsizetype PhoneticLength(QByteArrayView text) {
    const qsizetype close = text.indexOf(text.front() == '[' ? ']' : '/', 1);
    if (close < 2) {
        return 0;
    }
    for (qsizetype i = 1; i < close;) {
        const auto [c, length] = CharacterAt(text, i);
        if (c >= 0x0400) {
            return 0;
        }
        i += length;
    }
    return close + 1;
}

} // namespace

LineFields SplitPlainWordLine(QByteArrayView line) {
    qsizetype i = 0;
    while (i < line.size()) {
        const bool afterBlank = i > 0 && (line[i - 1] == ' ' || line[i - 1] == '\t');
        const bool phoneticMark = i > 0 && (line[i] == '[' || (line[i] == '/' && afterBlank));
        if (const qsizetype phonetic = phoneticMark ? PhoneticLength(line.sliced(i)) : 0;
            phonetic > 0) {
            return {line.first(i), line.sliced(i + phonetic), line.sliced(i, phonetic), true};
        }
        if (afterBlank && StartsWithPartOfSpeechMark(line.sliced(i))) {
            break;
        }
        const auto [c, length] = CharacterAt(line, i);
        if (c >= 0x80 && !IsEnglishBeyondAscii(c)) {
            break;
        }
        i += length;
    }
    if (line.first(i).trimmed().isEmpty()) {
        return {line, {}, {}, false};
    }
    return {line.first(i), line.sliced(i), {}, false};
}
