#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <vector>

// An ordered list of raw text lines: the entries of a word library, the lines of the
// library catalogue, and the dialogs' private copies of either. Entries are byte strings,
// kept exactly as read; an entry never holds a line feed.
//
// The entries stay where they were read, in the file's own bytes, and the list keeps only
// where each one starts: reading a library of a million lines costs one buffer and eight
// bytes a line, and copying a list shares the buffer until one of the copies changes. Every
// entry in the buffer is followed by a line feed, with a carriage return before it where the
// file had one, so an entry ends where the next line feed is.
class WordList {
public:
    // Whether lines of fewer than two bytes after the first line are kept when a text is split
    // into entries: a library drops them, the catalogue keeps every line.
    enum class ShortLines { Keep, DropAfterFirst };

    // Splits a file's contents into lines as a text-mode read does: a line ends at a line feed,
    // a carriage return right before the line feed is dropped, and a last line without a line
    // end still counts, while a line end at the very end gives no further empty line.
    static WordList FromText(QByteArray text, ShortLines shortLines);

    qsizetype size() const { return static_cast<qsizetype>(starts_.size()); }
    bool isEmpty() const { return starts_.empty(); }

    // A view of entry i; valid until the list is changed or destroyed.
    QByteArrayView at(qsizetype i) const;
    // A copy of entry i.
    QByteArray entry(qsizetype i) const { return at(i).toByteArray(); }

    void append(QByteArrayView line);
    void replace(qsizetype i, QByteArrayView line);
    void removeAt(qsizetype i);
    void swapEntries(qsizetype i, qsizetype j);
    void clear();

    // The entries as separate byte arrays, mainly for comparisons in tests.
    QList<QByteArray> toList() const;

    // Every entry followed by a carriage return and a line feed, as library and catalogue
    // files are written.
    QByteArray toText() const;

private:
    // Puts a line at the end of the buffer and returns where it starts.
    qsizetype Store(QByteArrayView line);

    QByteArray bytes_;
    std::vector<qsizetype> starts_;
};
