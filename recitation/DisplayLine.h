#pragma once

#include <QByteArrayView>
#include <QString>

// The three texts the window draws for a library line: the word and the meaning in the word
// font, the phonetic text in the phonetic font, where the characters '2' and '3' draw as the
// brackets around the transcription.
struct DisplayLine {
    QString word;
    QString meaning;
    QString phonetic; // " 2" + transcription + "3 ", or a single space without one
};

DisplayLine SplitLine(QByteArrayView line);
