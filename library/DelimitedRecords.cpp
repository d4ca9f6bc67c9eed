#include "library/DelimitedRecords.h"

#include <algorithm>

namespace {

bool EndsLineAt(QByteArrayView text, qsizetype i) {
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

// The line that holds the position, counted from 1, its lines ended as records are.
qint64 LineAt(QByteArrayView text, qsizetype position) {
    qint64 line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        line += EndsLineAt(text, i) ? 1 : 0;
    }
    return line;
}

// Where the line after the one that holds the position begins.
qsizetype NextLineStart(QByteArrayView text, qsizetype position) {
    while (position < text.size() && !EndsLineAt(text, position)) {
        ++position;
    }
    return std::min(position + 1, text.size());
}

} // namespace

DelimitedRecords::DelimitedRecords(QByteArrayView text, char separator)
    : text_(text), separator_(separator) {}

// The field that starts with a quote at the reader's position; nothing when the quote is
// never closed.
std::optional<DelimitedRecords::FieldSpan> DelimitedRecords::QuotedField() {
    const qsizetype start = buffer_.size();
    ++position_; // the opening quote
    while (true) {
        const qsizetype quote = text_.indexOf('"', position_);
        const qsizetype end = quote < 0 ? text_.size() : quote;
        buffer_.append(text_.sliced(position_, end - position_));
        position_ = end;
        if (quote < 0) {
            return std::nullopt;
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
    return FieldSpan{true, start, buffer_.size() - start};
}

bool DelimitedRecords::Next(RecordFields& fields) {
    while (position_ < text_.size()) {
        fields.clear();
        if (NextRecord(fields)) {
            return true;
        }
    }
    fields.clear();
    return false;
}

// False, with the record passed over, at a quote that is never closed.
bool DelimitedRecords::NextRecord(RecordFields& fields) {
    buffer_.clear();
    spans_.clear();
    const qsizetype recordStart = position_;
    while (true) {
        if (position_ < text_.size() && text_[position_] == '"') {
            const qsizetype quote = position_;
            const std::optional<FieldSpan> quoted = QuotedField();
            if (!quoted) {
                unclosedQuoteLine_ = LineAt(text_, recordStart);
                position_ = NextLineStart(text_, quote);
                return false;
            }
            spans_.append(*quoted);
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
