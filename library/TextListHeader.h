#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The header lines that flashcard programs put at the top of a plain-text export, one
// "#key:value" a line: "#separator:tab" (or comma, semicolon, pipe, space, colon, or the
// character itself), "#html:true", "#columns:Front<TAB>Back", and "#guid column:1",
// "#notetype column:2", "#deck column:3", "#tags column:6", which number the columns that hold
// no field of the note. Keys are read in any case; unknown keys are passed over.
struct TextListHeader {
    char separator = 0;         // 0 when the header names none
    bool html = false;          // fields are HTML
    QByteArray columns;         // the value of "#columns:", its names split by the separator
    QList<int> metadataColumns; // from 0
    qsizetype length = 0;       // the bytes the header lines take
};

TextListHeader ReadTextListHeader(QByteArrayView text);
