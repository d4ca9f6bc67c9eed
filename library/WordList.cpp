#include "library/WordList.h"

#include <cstring>
#include <utility>

WordList WordList::FromText(QByteArray text, ShortLines shortLines) {
    WordList list;
    list.bytes_ = std::move(text);
    const char* const data = list.bytes_.constData();
    const qsizetype end = list.bytes_.size();

    qsizetype start = 0;
    while (start < end) {
        const void* found = std::memchr(data + start, '\n', static_cast<size_t>(end - start));
        const qsizetype lineEnd = found ? static_cast<const char*>(found) - data : end;
        qsizetype length = lineEnd - start;
        if (found && length > 0 && data[lineEnd - 1] == '\r') {
            --length;
        }
        const bool first = list.spans_.empty();
        if (first || shortLines == ShortLines::Keep || length > 1) {
            list.spans_.push_back({start, length});
        }
        start = lineEnd + 1;
    }
    return list;
}

QByteArrayView WordList::at(qsizetype i) const {
    const Span& span = spans_.at(static_cast<size_t>(i));
    return QByteArrayView(bytes_.constData() + span.start, span.length);
}

void WordList::append(QByteArrayView line) {
    spans_.push_back({bytes_.size(), line.size()});
    bytes_.append(line);
}

void WordList::replace(qsizetype i, QByteArrayView line) {
    Span& span = spans_.at(static_cast<size_t>(i));
    span = {bytes_.size(), line.size()};
    bytes_.append(line);
}

void WordList::removeAt(qsizetype i) {
    spans_.erase(spans_.begin() + i);
}

void WordList::swapEntries(qsizetype i, qsizetype j) {
    std::swap(spans_.at(static_cast<size_t>(i)), spans_.at(static_cast<size_t>(j)));
}

void WordList::clear() {
    spans_.clear();
    bytes_.clear();
}

QList<QByteArray> WordList::toList() const {
    QList<QByteArray> lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) {
        lines.append(entry(i));
    }
    return lines;
}

QByteArray WordList::toText() const {
    qsizetype total = 0;
    for (const Span& span : spans_) {
        total += span.length + 2;
    }
    QByteArray text;
    text.reserve(total);
    for (qsizetype i = 0; i < size(); ++i) {
        text.append(at(i));
        text.append("\r\n", 2);
    }
    return text;
}
