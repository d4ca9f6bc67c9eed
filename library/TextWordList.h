#pragma once

#include "library/ImportedLines.h"

#include <QByteArrayView>

// Reads a word list written as text, one entry a line with its fields in columns (the
// spreadsheets' comma-separated values, the flashcard programs' tab-separated exports), into
// the lines. The text is UTF-8.
//
// The header lines of a flashcard program's export are honoured (see TextListHeader). The
// separator is the header's, or else the first of tab, comma and semicolon that the first
// line that is not blank holds; a file of single words has none. The columns are word,
// meaning and phonetic, in this order, leaving out those that the header says hold no field
// of the note, unless column names given in the header, or in a first line that names a word
// and a meaning column ("word,meaning,phonetic", "English,Chinese", "Front,Back"), say
// otherwise. Fields are HTML when the header says so.
void ReadTextWordList(QByteArrayView text, ImportedLines& lines);
