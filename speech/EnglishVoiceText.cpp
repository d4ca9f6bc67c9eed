#include "speech/EnglishVoiceText.h"

#include <algorithm>

namespace {

bool IsLatinLetter(char16_t c) {
    const bool latinBlock = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                            (c >= 0x00C0 && c <= 0x024F) || (c >= 0x1E00 && c <= 0x1EFF);
    return latinBlock && QChar::isLetter(c);
}

bool IsDigit(char16_t c) {
    return c >= '0' && c <= '9';
}

// What the character is read as; a space for one the voice does not read.
char16_t ReadAs(char16_t c) {
    switch (c) {
    case u'\u2018':
    case u'\u2019':
        return u'\'';
    case u'\u201C':
    case u'\u201D':
        return u'"';
    case u'\u2013':
    case u'\u2014':
        return u'-';
    default:
        break;
    }
    const bool printableBasicLatin = c >= 0x20 && c <= 0x7E;
    return printableBasicLatin || IsLatinLetter(c) ? c : u' ';
}

} // namespace

QByteArray TextForEnglishVoice(const QString& text) {
    QString read = text.normalized(QString::NormalizationForm_C);
    std::ranges::transform(read, read.begin(), [](QChar c) { return QChar(ReadAs(c.unicode())); });
    read = read.simplified();
    const bool readable = std::ranges::any_of(
        read, [](QChar c) { return IsLatinLetter(c.unicode()) || IsDigit(c.unicode()); });
    return readable ? read.toUtf8() : QByteArray();
}
