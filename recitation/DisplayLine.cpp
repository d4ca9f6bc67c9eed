#include "recitation/DisplayLine.h"

#include "library/LineFields.h"

DisplayLine SplitLine(QByteArrayView line) {
    TextFields fields = DecodeFields(line);
    DisplayLine display;
    display.word = std::move(fields.word);
    display.meaning = std::move(fields.meaning);
    display.phonetic = fields.hasPhonetic
                           ? QStringLiteral(" 2") + fields.phonetic + QStringLiteral("3 ")
                           : QStringLiteral(" ");
    return display;
}
