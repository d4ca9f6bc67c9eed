#include "recitation/DisplayLine.h"

#include "library/LineFields.h"
#include "library/TextCodec.h"

DisplayLine SplitLine(QByteArrayView line) {
    const LineFields fields = SplitFields(line);
    DisplayLine display;
    display.word = DecodeLine(fields.word);
    display.meaning = DecodeLine(fields.meaning);
    display.phonetic = fields.hasPhonetic ? QStringLiteral(" 2") + DecodeLine(fields.phonetic) +
                                                QStringLiteral("3 ")
                                          : QStringLiteral(" ");
    return display;
}
