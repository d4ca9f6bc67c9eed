#include "library/EnglishText.h"

#include <QChar>
#include <QList>

bool IsEnglishLocale(QStringView locale) {
    return locale.startsWith(u"en", Qt::CaseInsensitive);
}

bool IsEnglishBeyondAscii(char32_t c) {
    return (QChar::isLetter(c) && QChar::script(c) == QChar::Script_Latin) ||
           (QChar::isMark(c) && QChar::script(c) == QChar::Script_Inherited) || c == U'’';
}

bool IsEnglishText(QStringView text) {
    bool letter = false;
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x80 && !IsEnglishBeyondAscii(c)) {
            return false;
        }
        letter = letter || QChar::isLetter(c);
    }
    return letter;
}
