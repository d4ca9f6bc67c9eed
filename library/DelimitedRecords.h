#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>
#include <vector>

// The fields of one record.
using RecordFields = std::vector<QByteArrayView>;

// The records of delimited text (comma-separated values and the like), read one after
// another as RFC 4180 describes them, with any one-byte separator: a record ends at a line
// feed, a carriage return and line feed, or a carriage return; a field that begins with '"'
// runs to the next '"' that is not doubled, separators and line breaks included, and "" inside
// it stands for one '"'. Text after the closing quote is kept as part of the field; a quote
// that does not begin a field is an ordinary character.
//
// A record with a quote that is never closed is passed over, since where it should end cannot
// be known, and reading goes on at the line after that quote. This happens once at most: every
// quote after such a quote is one of a doubled pair, and a field opened there closes.
class DelimitedRecords {
public:
    DelimitedRecords(QByteArrayView text, char separator);

    // The next record's fields, as views into the text or into this reader's own buffer; they
    // stay valid until the next call. False at the end of the text.
    bool Next(RecordFields& fields);

    // Where the next record begins; moved on past a record read by other means (PlainRecords).
    qsizetype position() const { return position_; }
    void SkipTo(qsizetype position) { position_ = position; }

    // The line, counted from 1, where the record passed over for its unclosed quote begins; 0
    // when there was none.
    qint64 unclosedQuoteLine() const { return unclosedQuoteLine_; }

private:
    // Where a field's bytes are: in the text, or unquoted in the buffer.
    struct FieldSpan {
        bool inBuffer;
        qsizetype start;
        qsizetype size;
    };

    bool NextRecord(RecordFields& fields);
    std::optional<FieldSpan> QuotedField();

    QByteArrayView text_;
    char separator_;
    qsizetype position_ = 0;
    QByteArray buffer_;
    QList<FieldSpan> spans_;
    qint64 unclosedQuoteLine_ = 0;
};
