#pragma once

#include "memory/MemoryStore.h"

#include <QDateTime>
#include <QStringList>

#include <vector>

class WordList;

// A library as the figures count it: its file name and its entries.
struct CountedLibrary {
    QString name;
    const WordList* entries = nullptr;
};

// The memory's figures, as tab-separated lines: a header, then one line per library with its
// entries, its words never rated ("new", with or without a card), learning and known, the
// cards due now, the ratings and showings of today, and the cards falling due on each of the
// next 7 days. Only cards of words still in the library count.
StoreResult MemoryStatsLines(const MemoryStore& store, const std::vector<CountedLibrary>& libraries,
                             const QDateTime& now, QStringList* lines);
