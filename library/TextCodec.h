#pragma once

#include <QByteArrayView>
#include <QString>

// Library lines, catalogue lines and the record's name fields are byte strings: UTF-8 in
// files made here, GBK or GB18030 in files made on the original Chinese systems.

// Whether the bytes are valid UTF-8.
bool IsUtf8(QByteArrayView bytes);

// The text of one line for display or speech: UTF-8 when the bytes are valid UTF-8,
// otherwise GB18030 (a superset of GBK).
QString DecodeLine(QByteArrayView bytes);

// The longest start of the bytes that is at most maxBytes long and does not end inside a
// character, in whichever of the two encodings DecodeLine would read the bytes.
QByteArrayView CutToBytes(QByteArrayView bytes, qsizetype maxBytes);
