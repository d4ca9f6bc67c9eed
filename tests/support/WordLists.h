#pragma once

#include "library/WordList.h"

#include <QByteArray>
#include <QList>

// A list (a library or a catalogue) holding these lines.
inline WordList ListOf(const QList<QByteArray>& lines) {
    WordList list;
    for (const QByteArray& line : lines) {
        list.append(line);
    }
    return list;
}
