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

// Most records of a word list are plain: one line with no field in quotes, ended by a line
// feed, a carriage return and line feed, or the end of the text. A plain record is read in one
// pass over its bytes, sixteen at a time where the processor allows it, that splits its fields
// as DelimitedRecords does and notes whether a field's copy has anything to rewrite. Any other
// record is left to DelimitedRecords.
class PlainRecords {
public:
    // The text must be UTF-8 and the separator ASCII: another byte could split a character.
    PlainRecords(QByteArrayView text, char separator, const EntryColumns& columns);

    // The record that begins at `start`, or nothing when it is not plain. Records read one after
    // another go on with the bytes the one before looked at last.
    std::optional<PlainRecord> At(qsizetype start);

private:
    // Sixteen bytes of the text, or those left before its end, a bit each from the lowest.
    struct Block {
        unsigned stops = 0;    // the separator and the line ends
        unsigned rewrites = 0; // the other bytes of kBytesToRewrite
    };
    Block BlockAt(qsizetype start) const;

    QByteArrayView text_;
    char separator_;
    EntryColumns columns_;
    // The stops and the rewrites by byte, for the bytes after the last whole block.
    std::array<bool, 256> isStop_{};
    std::array<bool, 256> isRewrite_{};

    // The last block of the record read last, its stops looked at cleared, and where the
    // record and the block end: the next record may begin in that block.
    Block lastBlock_;
    qsizetype lastRecordEnd_ = 0;
    qsizetype lastBlockEnd_ = 0;
};
