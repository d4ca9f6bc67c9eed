#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The entry on show as `lexado --current` prints it for status bars and scripts: word,
// phonetic transcription and meaning, separated by tabs, in UTF-8, ending in a line feed. A
// tab or line break inside a field becomes a space, so that the line always has three fields.
QByteArray CurrentEntryLine(QByteArrayView libraryLine);
