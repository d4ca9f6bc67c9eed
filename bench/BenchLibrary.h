#pragma once

#include <QByteArray>

// The text of a library of `entries` lines in the shape users' merged word lists have:
// word, meaning and phonetic transcription, UTF-8, CR LF line ends.
inline QByteArray MakeLibraryText(int entries) {
    QByteArray text;
    text.reserve(qsizetype{entries} * 40);
    for (int i = 0; i < entries; ++i) {
        text += "word";
        text += QByteArray::number(i);
        text += "#词义 meaning#ˈwɜːd\r\n";
    }
    return text;
}
