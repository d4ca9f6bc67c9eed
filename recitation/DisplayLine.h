#pragma once

#include <QByteArrayView>
#include <QString>

// The three texts the window draws for a library line: the word and the meaning in the word
// font, the phonetic text in the phonetic font.
struct DisplayLine {
    QString word;
    QString meaning;
    QString phonetic; // the framed transcription, or a single space without one
};

// How the transcription is framed: in the program's phonetic font the characters '2' and '3'
// draw as its brackets; any other font draws the brackets themselves.
enum class TranscriptionFrame {
    PhoneticFont, // " 2" + transcription + "3 "
    Brackets,     // " [" + transcription + "] "
};

DisplayLine SplitLine(QByteArrayView line,
                      TranscriptionFrame frame = TranscriptionFrame::PhoneticFont);
