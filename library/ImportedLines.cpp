#include "library/ImportedLines.h"

#include "library/EnglishText.h"
#include "library/LineScan.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF"; // U+FEFF

// Whether a character that begins with the byte may be a blank: white space (as QChar::isSpace
// has it: U+0085, U+00A0, U+2028, U+3000...) or U+FEFF.
constexpr bool MayBeginBlank(char byte) {
    const auto lead = static_cast<unsigned char>(byte);
    if (lead < 0x80) {
        return QChar::isSpace(lead);
    }
    // Only these lead bytes begin a blank: U+0085 and U+00A0, U+1680, U+2000 to U+205F, U+3000,
    // U+FEFF. Most fields begin and end with another character, decoded no further.
    return lead == 0xC2 || lead == 0xE1 || lead == 0xE2 || lead == 0xE3 || lead == 0xEF;
}

// The length of the character at the start of the UTF-8 text when it is a blank; else 0.
qsizetype BlankLength(QByteArrayView text) {
    const auto lead = static_cast<unsigned char>(text.front());
    if (!MayBeginBlank(text.front())) {
        return 0;
    }
    if (lead < 0x80) {
        return 1;
    }
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    char32_t c = lead & (0x3F >> (length - 1));
    for (qsizetype k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
    }
    return c == 0xFEFF || QChar::isSpace(c) ? length : 0;
}

// Where the last character of the UTF-8 text starts.
qsizetype LastCharacterStart(QByteArrayView text) {
    qsizetype start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && (text[start] & 0xC0) == 0x80) {
        --start;
    }
    return start;
}

// The field without the white space and byte-order marks at its edges, which are decoded.
QByteArrayView WithoutBlankEdges(QByteArrayView field) {
    for (qsizetype blank = 0; !field.isEmpty() && (blank = BlankLength(field)) > 0;) {
        field = field.sliced(blank);
    }
    while (!field.isEmpty()) {
        const qsizetype last = LastCharacterStart(field);
        if (BlankLength(field.sliced(last)) != field.size() - last) {
            break;
        }
        field = field.first(last);
    }
    return field;
}

// The field without the white space and byte-order marks at its edges. Most fields begin with
// a character that is no blank and end with an ASCII one: they are returned as they are, inline.
inline QByteArrayView Trimmed(QByteArrayView field) {
    if (field.isEmpty()) {
        return field;
    }
    const bool endsInAscii = static_cast<unsigned char>(field.back()) < 0x80;
    if (!MayBeginBlank(field.front()) && endsInAscii && !MayBeginBlank(field.back())) {
        return field;
    }
    return WithoutBlankEdges(field);
}

// Every frame goes, one within another too: a phonetic kept with a frame left would lose it
// when the library is exported and imported again.
QByteArrayView WithoutBrackets(QByteArrayView phonetic) {
    while (phonetic.size() >= 2 && ((phonetic.front() == '/' && phonetic.back() == '/') ||
                                    (phonetic.front() == '[' && phonetic.back() == ']'))) {
        phonetic = Trimmed(phonetic.sliced(1, phonetic.size() - 2));
    }
    return phonetic;
}

constexpr QByteArrayView kFullWidthHash = "\xEF\xBC\x83"; // U+FF03 "＃"

// The length of the line break at the start of the text, or 0.
qsizetype LineBreakLength(QByteArrayView text) {
    if (text.startsWith("\r\n")) {
        return 2;
    }
    if (text.front() == '\r' || text.front() == '\n' || text.front() == '\v' ||
        text.front() == '\f') {
        return 1;
    }
    if (text.startsWith("\xC2\x85")) {
        return 2;
    }
    if (text.startsWith("\xE2\x80\xA8") || text.startsWith("\xE2\x80\xA9")) {
        return 3;
    }
    return 0;
}

char* Copy(QByteArrayView bytes, char* out) {
    if (bytes.isEmpty()) {
        return out; // an empty view may point nowhere
    }
    std::memcpy(out, bytes.data(), static_cast<std::size_t>(bytes.size()));
    return out + bytes.size();
}

// What the text at the start of the field becomes: how many bytes, replaced by what; a length
// of 0 when it stays as it is.
struct Rewrite {
    qsizetype length;
    QByteArrayView replacement;
};
Rewrite RewriteAt(QByteArrayView text) {
    if (text.front() == '#') {
        return {1, kFullWidthHash};
    }
    if (text.startsWith(kByteOrderMark)) {
        return {kByteOrderMark.size(), {}}; // a mark left by joining files, not a character
    }
    return {LineBreakLength(text), " "};
}

// Copies the field to `out`, '#', line breaks and byte-order marks rewritten, and returns
// where it ends.
char* CopyField(QByteArrayView field, char* out) {
    qsizetype runStart = 0;
    for (qsizetype i = FindAnyOf(field, 0, kBytesToRewrite); i < field.size();
         i = FindAnyOf(field, i, kBytesToRewrite)) {
        const Rewrite rewrite = RewriteAt(field.sliced(i));
        if (rewrite.length == 0) {
            ++i; // another character that starts with the same byte
            continue;
        }
        out = Copy(field.sliced(runStart, i - runStart), out);
        out = Copy(rewrite.replacement, out);
        i += rewrite.length;
        runStart = i;
    }
    return Copy(field.sliced(runStart), out);
}

} // namespace

ImportedLines::ImportedLines(PhoneticSource phonetics) : phonetics_(std::move(phonetics)) {}

void ImportedLines::SkipUnclosedQuote(qint64 line) {
    Skip(SkipReason::UnclosedQuote);
    skipped_.unclosedQuoteLine = line;
}

// The phonetic source's answer for an English word; nothing for another, counted as withheld.
QByteArray ImportedLines::FilledPhonetic(QByteArrayView word, QStringView wordLanguage) {
    if (!wordLanguage.isEmpty() && !IsEnglishLocale(wordLanguage)) {
        ++withheld_.otherLanguage;
        if (!withheld_.languages.contains(wordLanguage)) {
            withheld_.languages.append(wordLanguage.toString());
        }
        return {};
    }
    const QString text = QString::fromUtf8(word);
    if (!IsEnglishText(text)) {
        ++withheld_.notEnglishText;
        return {};
    }
    return phonetics_(text).toUtf8();
}

void ImportedLines::AddEntry(QStringView wordLanguage, bool mayRewrite, QByteArrayView word,
                             QByteArrayView meaning, QByteArrayView phonetic) {
    word = Trimmed(word);
    meaning = Trimmed(meaning);
    phonetic = WithoutBrackets(Trimmed(phonetic));
    if (word.isEmpty()) {
        if (!meaning.isEmpty() || !phonetic.isEmpty()) {
            Skip(SkipReason::EmptyWord);
        }
        return;
    }
    QByteArray filled;
    if (phonetic.isEmpty() && phonetics_) {
        filled = FilledPhonetic(word, wordLanguage);
        if (!filled.isEmpty()) {
            phonetic = filled;
            ++phoneticsFilled_;
        }
    }
    // The line is written in place rather than appended piece by piece: in room for its length
    // when its fields are copied as they are, else for the longest it can be (each byte of a
    // field a '#' that takes three), cut to what was written.
    const bool asTheyAre = !mayRewrite && filled.isEmpty();
    const qsizetype start = text_.size();
    const qsizetype fieldBytes = word.size() + meaning.size() + phonetic.size();
    const qsizetype end =
        start + (asTheyAre ? 1 : 3) * fieldBytes + (phonetic.isEmpty() ? 1 : 2) + 2;
    if (text_.capacity() < end) {
        text_.reserve(std::max(2 * text_.capacity(), end));
    }
    text_.resize(end);
    // Chosen field by field rather than through a pointer, so that the plain copy is inlined.
    const auto copy = [mayRewrite](QByteArrayView field, char* to) {
        return mayRewrite ? CopyField(field, to) : Copy(field, to);
    };
    char* out = copy(word, text_.data() + start);
    *out++ = '#';
    out = copy(meaning, out);
    if (!phonetic.isEmpty()) {
        *out++ = '#';
        out = filled.isEmpty() ? copy(phonetic, out) : CopyField(phonetic, out);
    }
    *out++ = '\r';
    *out++ = '\n';
    if (!asTheyAre) {
        text_.resize(out - text_.constData());
    }
    ++entries_;
}
