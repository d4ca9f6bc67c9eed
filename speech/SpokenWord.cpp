#include "speech/SpokenWord.h"

#include "library/LineFields.h"

QString SpokenWord(QByteArrayView line) {
    return DecodeFields(line).word;
}
