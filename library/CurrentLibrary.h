#pragma once

#include "library/LibraryFile.h"
#include "library/WordList.h"

#include <QByteArrayView>
#include <QString>

// The library the main window presents: its entries, and whether the file on disk is older
// than they are because an entry was deleted.
//
// Only deletions make the list differ from its file, and they never remove the last entry, so
// a pseudo-entry list is never marked changed. The mark is cleared when the rewrite succeeds
// and whenever another library replaces the list (every rewrite point comes before that), so
// the pseudo-entry of a missing or empty library is never written into any file.
class CurrentLibrary {
public:
    const WordList& words() const { return words_; }
    qsizetype entryCount() const { return words_.size(); }
    bool dirty() const { return dirty_; }

    // Takes a list read from a library file (or the choose-library dialog's copy of one).
    void Adopt(WordList words);

    // Removes entry i and marks the list as changed.
    void RemoveEntry(qsizetype i);

    // A line was appended to the file of a list holding deletions not yet written: the list
    // follows the file as reading it again would (a line of fewer than two bytes after the
    // first is not kept), and keeps its deletions and its mark.
    void AppendEntry(QByteArrayView line);

    // Rewrites data/<fileName> when the list has changed since it was read. False only when
    // the file could not be written; the list and the mark then stay as they are.
    bool RewriteIfDirty(const QString& programFolder, QByteArrayView fileName);

private:
    WordList words_;
    bool dirty_ = false;
};
