#pragma once

#include <QByteArrayView>

#include <array>
#include <optional>

// The columns a word list's entries are taken from: word, meaning and phonetic; -1 for none.
using EntryColumns = std::array<qsizetype, 3>;

// A record of delimited text read by PlainRecords.
struct PlainRecord {
    std::array<QByteArrayView, 3> fields; // at the entry's columns; empty where there is none
    QByteArrayView first;                 // the first field, for a list without columns
    qsizetype columnCount = 0;
    bool mayRewrite = false; // the line holds a byte of kBytesToRewrite (see ImportedLines.h)
    qsizetype end = 0;       // where the next record begins
};

// Most records of a word list are plain: one line of valid UTF-8 with no field in quotes, ended
// by a line feed, a carriage return and line feed, or the end of the text. A plain record is
// read in one pass over its bytes, sixteen at a time where the processor allows it, that splits
// its fields as DelimitedRecords does, checks that it is UTF-8 and notes whether a field's copy
// has anything to rewrite. Any other record is left to DelimitedRecords.
class PlainRecords {
public:
    // The separator must be ASCII: another byte could split a character.
    PlainRecords(QByteArrayView text, char separator, const EntryColumns& columns);

    // The record that begins at `start`, or nothing when it is not plain.
    std::optional<PlainRecord> At(qsizetype start) const;

private:
    // Sixteen bytes of the text, or those left before its end, a bit each from the lowest.
    struct Block {
        unsigned stops = 0;         // bytes to look at: the stops and the lead bytes
        unsigned continuations = 0; // the bytes that continue a character
        unsigned strays = 0;        // continuation bytes that follow an ASCII byte
        bool endsInAscii = false;
    };
    Block BlockAt(qsizetype start, bool afterAscii) const;

    QByteArrayView text_;
    char separator_;
    EntryColumns columns_;
    // The bytes to stop at: the separator, the line ends, the ASCII bytes to rewrite and the
    // lead bytes of characters.
    std::array<bool, 256> isStop_{};
};
