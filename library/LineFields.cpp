#include "library/LineFields.h"

#include "strings/TextCodec.h"

LineFields SplitFields(QByteArrayView line) {
    LineFields fields;
    const qsizetype first = line.indexOf('#');
    if (first < 0) {
        fields.meaning = line;
        return fields;
    }
    fields.word = line.first(first);
    const QByteArrayView rest = line.sliced(first + 1);
    const qsizetype second = rest.indexOf('#');
    if (second < 0) {
        fields.meaning = rest;
        return fields;
    }
    fields.meaning = rest.first(second);
    fields.phonetic = rest.sliced(second + 1);
    fields.hasPhonetic = true;
    return fields;
}

TextFields DecodeFields(QByteArrayView line) {
    const LineFields fields = SplitFields(line);
    const LineEncoding encoding = EncodingOf(line);
    return {Decode(fields.word, encoding), Decode(fields.meaning, encoding),
            Decode(fields.phonetic, encoding), fields.hasPhonetic};
}

QString SpokenWord(QByteArrayView line) {
    return DecodeFields(line).word;
}
