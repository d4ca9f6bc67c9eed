#include "library/ImportedLines.h"

#include "library/EnglishText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

QByteArrayView WithoutBrackets(QByteArrayView phonetic) {
    if (phonetic.size() >= 2 && ((phonetic.front() == '/' && phonetic.back() == '/') ||
                                 (phonetic.front() == '[' && phonetic.back() == ']'))) {
        return phonetic.sliced(1, phonetic.size() - 2).trimmed();
    }
    return phonetic;
}

// The bytes that may need rewriting in a field: '#', line breaks, and the lead bytes of the
// Unicode line breaks U+0085, U+2028 and U+2029.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'#', '\r', '\n', '\v', '\f', '\xC2', '\xE2'}) {
        special[c] = true;
    }
    return special;
}();

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

// Copies the field to `out`, '#' and line breaks rewritten, and returns where it ends.
char* CopyField(QByteArrayView field, char* out) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < field.size();) {
        if (!kSpecial[static_cast<unsigned char>(field[i])]) {
            ++i;
            continue;
        }
        qsizetype length = 1;
        QByteArrayView replacement = kFullWidthHash;
        if (field[i] != '#') {
            length = LineBreakLength(field.sliced(i));
            replacement = " ";
            if (length == 0) {
                ++i; // another character that starts with the same byte
                continue;
            }
        }
        out = Copy(field.sliced(runStart, i - runStart), out);
        out = Copy(replacement, out);
        i += length;
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

void ImportedLines::Add(QByteArrayView word, QByteArrayView meaning, QByteArrayView phonetic,
                        QStringView wordLanguage) {
    word = word.trimmed();
    meaning = meaning.trimmed();
    phonetic = WithoutBrackets(phonetic.trimmed());
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
    // The line is written in place, in room for the longest it can be (each byte of a field a
    // '#' that takes three), rather than appended piece by piece.
    const qsizetype start = text_.size();
    const qsizetype most = start + 3 * (word.size() + meaning.size() + phonetic.size()) + 4;
    if (text_.capacity() < most) {
        text_.reserve(std::max(2 * text_.capacity(), most));
    }
    text_.resize(most);
    char* out = CopyField(word, text_.data() + start);
    *out++ = '#';
    out = CopyField(meaning, out);
    if (!phonetic.isEmpty()) {
        *out++ = '#';
        out = CopyField(phonetic, out);
    }
    *out++ = '\r';
    *out++ = '\n';
    text_.resize(out - text_.constData());
    ++entries_;
}
