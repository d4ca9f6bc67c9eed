#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <vector>

// An ordered list of raw text lines: the entries of a word library, the lines of the
// library catalogue, and the dialogs' private copies of either. Entries are byte strings,
// kept exactly as read.
//
// All entries live in one shared byte buffer with an offset and a length each, so reading a
// library of a million lines costs one buffer and one small record per line, and copying a
// list shares the buffer until one of the copies changes.
class WordList {
public:
    // Whether lines of fewer than two bytes after the first line are kept when a text is split
    // into entries: a library drops them, the catalogue keeps every line.
    enum class ShortLines { Keep, DropAfterFirst };

    // Splits a file's contents into lines as a text-mode read does: a line ends at a line feed,
    // a carriage return right before the line feed is dropped, and a last line without a line
    // end still counts, while a line end at the very end gives no further empty line.
    static WordList FromText(QByteArray text, ShortLines shortLines);

    qsizetype size() const { return static_cast<qsizetype>(spans_.size()); }
    bool isEmpty() const { return spans_.empty(); }

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
    struct Span {
        qsizetype start;
        qsizetype length;
    };

    QByteArray bytes_;
    std::vector<Span> spans_;
};
