#pragma once

#include <QByteArrayView>

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
