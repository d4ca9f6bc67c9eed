#pragma once

#include "library/WordList.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Whether the entry on show, at `index` with the raw line `line`, may be deleted from the
// presented list: never the last entry of a list, never an index outside it, and never the
// line deleted last (the window keeps showing a deleted entry until the next one comes, so a
// second press would otherwise delete its neighbour). Before the first deletion of the run
// there is no last deleted line, so even an empty line may go.
bool MayDeleteEntry(const WordList& words, qsizetype index, QByteArrayView line,
                    const std::optional<QByteArray>& lastDeletedLine);
