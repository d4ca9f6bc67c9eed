#include "library/DelimitedRecords.h"

DelimitedRecords::DelimitedRecords(QByteArrayView text, char separator)
    : text_(text), separator_(separator) {}

DelimitedRecords::FieldSpan DelimitedRecords::QuotedField() {
    const qsizetype start = buffer_.size();
    ++position_; // the opening quote
    while (position_ < text_.size()) {
        const qsizetype quote = text_.indexOf('"', position_);
        const qsizetype end = quote < 0 ? text_.size() : quote;
        buffer_.append(text_.sliced(position_, end - position_));
        position_ = end;
        if (quote < 0) {
            break;
        }
        if (quote + 1 < text_.size() && text_[quote + 1] == '"') {
            buffer_.append('"');
            position_ = quote + 2;
            continue;
        }
        position_ = quote + 1; // the closing quote
        break;
    }
    // Anything up to the next separator or line end still belongs to the field.
    while (position_ < text_.size()) {
        const char c = text_[position_];
        if (c == separator_ || c == '\n' || c == '\r') {
            break;
        }
        buffer_.append(c);
        ++position_;
    }
    return {true, start, buffer_.size() - start};
}

bool DelimitedRecords::Next(RecordFields& fields) {
    fields.clear();
    if (position_ >= text_.size()) {
        return false;
    }
    return NextWithoutQuotes(fields) || NextWithQuotes(fields);
}

// Most records are one line with no field in quotes: their fields are views into the text,
// found in one pass. False, with nothing read, at a field in quotes or a line ended by a
// carriage return alone.
bool DelimitedRecords::NextWithoutQuotes(RecordFields& fields) {
    const qsizetype size = text_.size();
    qsizetype start = position_;
    for (qsizetype i = position_; i < size; ++i) {
        const char c = text_[i];
        if (c == separator_) {
            fields.push_back(text_.sliced(start, i - start));
            start = i + 1;
        } else if (c == '\n' || (c == '\r' && i + 1 < size && text_[i + 1] == '\n')) {
            fields.push_back(text_.sliced(start, i - start));
            position_ = c == '\n' ? i + 1 : i + 2;
            return true;
        } else if (c == '\r' || (c == '"' && i == start)) {
            fields.clear();
            return false;
        }
    }
    fields.push_back(text_.sliced(start));
    position_ = size;
    return true;
}

bool DelimitedRecords::NextWithQuotes(RecordFields& fields) {
    buffer_.clear();
    spans_.clear();
    while (true) {
        if (position_ < text_.size() && text_[position_] == '"') {
            spans_.append(QuotedField());
        } else {
            const qsizetype start = position_;
            while (position_ < text_.size()) {
                const char c = text_[position_];
                if (c == separator_ || c == '\n' || c == '\r') {
                    break;
                }
                ++position_;
            }
            spans_.append({false, start, position_ - start});
        }
        if (position_ < text_.size() && text_[position_] == separator_) {
            ++position_;
            continue;
        }
        break; // a line end or the end of the text
    }
    if (position_ < text_.size() && text_[position_] == '\r') {
        ++position_;
    }
    if (position_ < text_.size() && text_[position_] == '\n') {
        ++position_;
    }
    for (const FieldSpan& span : spans_) {
        const QByteArrayView source = span.inBuffer ? QByteArrayView(buffer_) : text_;
        fields.push_back(source.sliced(span.start, span.size));
    }
    return true;
}
