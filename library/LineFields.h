#pragma once

#include <QByteArrayView>
#include <QString>

// The fields of a library line "word#meaning#phonetic": the word is the text before the first
// '#', the meaning runs to the second '#' (or to the end), and the phonetic transcription is
// everything after the second '#', further '#' included. A line without '#' has an empty word
// and is all meaning. The views point into the line.
struct LineFields {
    QByteArrayView word;
    QByteArrayView meaning;
    QByteArrayView phonetic;
    bool hasPhonetic = false; // the line holds a second '#', even when nothing follows it
};

LineFields SplitFields(QByteArrayView line);

// The fields of a line as text, each read in the encoding of the whole line: a GBK field may
// on its own happen to be valid UTF-8.
struct TextFields {
    QString word;
    QString meaning;
    QString phonetic;
    bool hasPhonetic = false;
};

TextFields DecodeFields(QByteArrayView line);

// The text spoken for a line: its whole word field, read as the display reads it.
QString SpokenWord(QByteArrayView line);
