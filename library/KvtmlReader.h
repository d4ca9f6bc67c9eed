#pragma once

#include "library/ImportResult.h"
#include "library/ImportedLines.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

struct KvtmlContents {
    ImportError error = ImportError::None;
    qint64 errorLine = 0;
    QString title;
};

// Whether the bytes, the start of a file, look like a KVTML file: XML that begins with a
// <kvtml> element. Only the first kKvtmlStart bytes are looked at.
inline constexpr qsizetype kKvtmlStart = 4096;
bool IsKvtml(const QByteArray& start);

// Reads the entries of a KVTML 2 file (the vocabulary files of KWordQuiz and Parley) into the
// lines, in file order. The word is the entry's translation in the first language whose locale
// begins with "en", else its first translation; the meaning its first translation with a text
// in another of the file's languages, else the word's comment; the phonetic the word's
// pronunciation; the word's language, which decides whether a phonetic is filled in, is its
// identifier's locale. Entries marked inactive (<inactive> or <deactivated> true) are left out.
// The XML declares its own encoding.
//
// The file is read from the device as it goes (it must be open and able to seek): each entry
// becomes its line as soon as the languages are known, so a file of hundreds of megabytes needs
// little more memory than its lines. Elements nested deeper than kMaxKvtmlDepth make the file
// malformed, with the line of the first one too deep; nothing in the file is read recursively.
inline constexpr int kMaxKvtmlDepth = 256;
KvtmlContents ReadKvtml(QIODevice& device, ImportedLines& lines);
