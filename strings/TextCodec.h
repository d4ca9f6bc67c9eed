#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Library lines, catalogue lines and the record's name fields are byte strings: UTF-8 in
// files made here, GBK or GB18030 in files made on the original Chinese systems.

// Whether the bytes are valid UTF-8, as QByteArrayView::isValidUtf8 has it. A word list of
// megabytes is checked whole before it is read, and a check a byte at a time would take longer
// than the reading: this one takes sixteen bytes a step where the processor allows it
// (Utf8Validity.cpp).
bool IsUtf8(QByteArrayView bytes);

// How a line is read for display or speech: as UTF-8 when its bytes are valid UTF-8,
// otherwise as GB18030 (a superset of GBK). The choice is made for the whole line, so that
// each of its fields is read the same way.
enum class LineEncoding { Utf8, Gb18030 };
LineEncoding EncodingOf(QByteArrayView line);
QString Decode(QByteArrayView bytes, LineEncoding encoding);

// The text of one line in its encoding.
QString DecodeLine(QByteArrayView bytes);

// The text as GB18030 bytes, as files made on the original systems hold it.
QByteArray EncodeGb18030(const QString& text);

// The longest start of the bytes that is at most maxBytes long and does not end inside a
// character, in whichever of the two encodings DecodeLine reads the whole of the bytes.
QByteArrayView CutToBytes(QByteArrayView bytes, qsizetype maxBytes);

// For the start of a longer text that was cut off inside its last character: the bytes
// without that part-character when the rest is UTF-8; otherwise the bytes unchanged.
QByteArrayView WithoutCutOffCharacter(QByteArrayView bytes);
