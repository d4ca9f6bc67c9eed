#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringConverter>

#include <optional>

// The byte-order mark the bytes start with, and the encoding it marks (UTF-8, UTF-16 or
// UTF-32, little- or big-endian); nothing when they start with none.
struct ByteOrderMark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};
std::optional<ByteOrderMark> ByteOrderMarkOf(QByteArrayView bytes);

// The text of a word list from another program as UTF-8, without a byte-order mark. A file
// that starts with a byte-order mark is read in the encoding it marks (UTF-8, UTF-16 or
// UTF-32, little- or big-endian; what is not valid in it becomes U+FFFD). Any other file is
// read a line at a time, as library lines are read for display: as UTF-8 when the line is
// valid UTF-8, otherwise as GB18030; a line that is neither is left blank (its line feed
// kept, so that later lines keep their numbers) and counted. Nothing when the bytes hold a NUL
// without a byte-order mark: no text, but a binary file.
struct WordListText {
    QByteArray utf8;
    int undecodableLines = 0;
};
std::optional<WordListText> WordListAsUtf8(QByteArray bytes);
