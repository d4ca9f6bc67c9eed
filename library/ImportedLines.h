#pragma once

#include "library/LineScan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>

// The IPA of a word, or an empty text when there is none; see speech/IpaTranscription.h.
using PhoneticSource = std::function<QString(const QString& word)>;

// Why an entry of a word list was left out.
enum class SkipReason {
    EmptyWord,     // the entry has a meaning or phonetic but no word
    Inactive,      // the list marks the entry as inactive
    UnclosedQuote, // a quote in the record is never closed, so where it ends is not known
    Undecodable,   // the line is neither UTF-8 nor GB18030
};
inline constexpr int kSkipReasonCount = 4;

// How many entries were left out, by reason.
struct SkippedEntries {
    std::array<int, kSkipReasonCount> counts{};
    qint64 unclosedQuoteLine = 0; // where the record with the unclosed quote begins

    int& operator[](SkipReason reason) { return counts[static_cast<int>(reason)]; }
    int operator[](SkipReason reason) const { return counts[static_cast<int>(reason)]; }
};

// The entries whose phonetic was not filled in because their word is not English, by reason.
struct WithheldPhonetics {
    int otherLanguage = 0;  // the list gives the word's language, and it is another
    QStringList languages;  // those languages' locales, in the order met
    int notEnglishText = 0; // the word is not English text: Chinese, another script
};

// The bytes that may need rewriting in a field: '#', line breaks, the lead bytes of the Unicode
// line breaks U+0085, U+2028 and U+2029, and that of U+FEFF. Fields without them are copied as
// they are.
inline constexpr ByteSet kBytesToRewrite(std::array{'#', '\r', '\n', '\v', '\f', '\xC2', '\xE2',
                                                    '\xEF'});

// The lines of a library being made from the entries of a word list, in the order they come:
// one "word#meaning#phonetic" line per entry, or "word#meaning" when it has no phonetic, UTF-8,
// each ended by a carriage return and a line feed.
//
// Fields are taken without the white space around them, any of Unicode's (U+00A0, U+2028,
// U+3000...), nor the byte-order marks (U+FEFF) that joined files leave in and around them. A
// '#' inside a field, which would split the line elsewhere, becomes "＃" (U+FF03), and a line
// break a space. A phonetic given
// between slashes or square brackets ("/ˈæpəl/") loses them: the display frames it itself.
// Where an entry has no phonetic, the phonetic source is asked for one, if the word is English:
// in the language the list gives it, when it gives one, and English text (IsEnglishText).
class ImportedLines {
public:
    explicit ImportedLines(PhoneticSource phonetics = {});

    // Takes an entry; its fields are UTF-8, and the word's language is the locale the list
    // gives it, or empty when the list gives none. An entry without a word is counted as
    // skipped, unless it is wholly empty (a blank row), which is not counted at all.
    void Add(QByteArrayView word, QByteArrayView meaning, QByteArrayView phonetic,
             QStringView wordLanguage = {}) {
        AddEntry(wordLanguage, true, word, meaning, phonetic);
    }
    // The same for fields known to hold no byte of kBytesToRewrite, which are not searched.
    // Inline, so that a call passes the fields on as they are rather than copied once more.
    void AddWithoutRewrites(QByteArrayView word, QByteArrayView meaning, QByteArrayView phonetic) {
        AddEntry({}, false, word, meaning, phonetic);
    }
    void Skip(SkipReason reason, int count = 1) { skipped_[reason] += count; }
    void SkipUnclosedQuote(qint64 line);

    const QByteArray& text() const { return text_; }
    int entries() const { return entries_; }
    int phoneticsFilled() const { return phoneticsFilled_; }
    const WithheldPhonetics& withheldPhonetics() const { return withheld_; }
    const SkippedEntries& skipped() const { return skipped_; }

private:
    QByteArray FilledPhonetic(QByteArrayView word, QStringView wordLanguage);
    // The language and the flag come first, so that they are passed in registers rather than
    // on the stack.
    void AddEntry(QStringView wordLanguage, bool mayRewrite, QByteArrayView word,
                  QByteArrayView meaning, QByteArrayView phonetic);

    PhoneticSource phonetics_;
    QByteArray text_;
    int entries_ = 0;
    int phoneticsFilled_ = 0;
    WithheldPhonetics withheld_;
    SkippedEntries skipped_;
};
