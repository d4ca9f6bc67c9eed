#pragma once

#include "library/WordList.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

// A list (a library or a catalogue) holding these lines.
inline WordList ListOf(const QList<QByteArray>& lines) {
    WordList list;
    for (const QByteArray& line : lines) {
        list.append(line);
    }
    return list;
}

// Library lines <prefix>0#意思0, <prefix>1#意思1, ...
inline QByteArrayList Entries(const QByteArray& prefix, int count) {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) {
        lines.append(prefix + QByteArray::number(i) + "#意思" + QByteArray::number(i));
    }
    return lines;
}
