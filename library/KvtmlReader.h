#pragma once

#include "library/ImportResult.h"
#include "library/ImportedLines.h"

#include <QByteArray>
#include <QString>

struct KvtmlContents {
    ImportError error = ImportError::None;
    qint64 errorLine = 0;
    QString title;
};

// Whether the bytes look like a KVTML file: XML that begins with a <kvtml> element.
bool IsKvtml(const QByteArray& bytes);

// Reads the entries of a KVTML 2 file (the vocabulary files of KWordQuiz and Parley) into the
// lines, in file order. The word is the entry's translation in the first language whose locale
// begins with "en", else its first translation; the meaning its first translation with a text
// in another of the file's languages, else the word's comment; the phonetic the word's
// pronunciation; the word's language, which decides whether a phonetic is filled in, is its
// identifier's locale. Entries marked inactive (<inactive> or <deactivated> true) are left out.
// The XML declares its own encoding.
KvtmlContents ReadKvtml(const QByteArray& bytes, ImportedLines& lines);
