#include "recitation/DisplayLine.h"

#include "library/LineFields.h"

DisplayLine SplitLine(QByteArrayView line, TranscriptionFrame frame) {
    TextFields fields = DecodeFields(line);
    DisplayLine display;
    display.word = std::move(fields.word);
    display.meaning = std::move(fields.meaning);
    if (!fields.hasPhonetic) {
        display.phonetic = QStringLiteral(" ");
    } else if (frame == TranscriptionFrame::PhoneticFont) {
        display.phonetic = QStringLiteral(" 2") + fields.phonetic + QStringLiteral("3 ");
    } else {
        display.phonetic = QStringLiteral(" [") + fields.phonetic + QStringLiteral("] ");
    }
    return display;
}
