#include "library/WordList.h"

#include "library/LineScan.h"

#include <cstring>
#include <utility>

WordList WordList::FromText(QByteArray text, ShortLines shortLines) {
    WordList list;
    if (text.isEmpty()) {
        return list;
    }
    // A last line without a line end gets one, so that every entry ends at a line feed; the
    // carriage return keeps a carriage return of the line's own from being taken for one.
    if (!text.endsWith('\n')) {
        text.append("\r\n", 2);
    }
    list.bytes_ = std::move(text);
    const char* const data = list.bytes_.constData();

    // A guess at the number of lines that holds for word lists, so that the list rarely grows.
    list.starts_.reserve(static_cast<size_t>(list.bytes_.size() / 24 + 1));
    qsizetype lineStart = 0;
    ForEachLineFeed(data, list.bytes_.size(), [&](qsizetype lineFeed) {
        const qsizetype length =
            lineFeed - lineStart - (lineFeed > lineStart && data[lineFeed - 1] == '\r');
        if (lineStart == 0 || shortLines == ShortLines::Keep || length > 1) {
            list.starts_.push_back(lineStart);
        }
        lineStart = lineFeed + 1;
    });
    list.starts_.shrink_to_fit();
    return list;
}

QByteArrayView WordList::at(qsizetype i) const {
    const char* const data = bytes_.constData();
    const qsizetype start = starts_.at(static_cast<size_t>(i));
    const auto* lineFeed = static_cast<const char*>(
        std::memchr(data + start, '\n', static_cast<size_t>(bytes_.size() - start)));
    qsizetype end = lineFeed - data;
    if (end > start && data[end - 1] == '\r') {
        --end;
    }
    return QByteArrayView(data + start, end - start);
}

qsizetype WordList::Store(QByteArrayView line) {
    const qsizetype start = bytes_.size();
    bytes_.append(line);
    bytes_.append("\r\n", 2);
    return start;
}

void WordList::append(QByteArrayView line) {
    starts_.push_back(Store(line));
}

void WordList::replace(qsizetype i, QByteArrayView line) {
    const qsizetype start = Store(line);
    starts_.at(static_cast<size_t>(i)) = start;
}

void WordList::removeAt(qsizetype i) {
    starts_.erase(starts_.begin() + i);
}

void WordList::swapEntries(qsizetype i, qsizetype j) {
    std::swap(starts_.at(static_cast<size_t>(i)), starts_.at(static_cast<size_t>(j)));
}

void WordList::clear() {
    starts_.clear();
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
    QByteArray text;
    text.reserve(bytes_.size() + 2 * size());
    for (qsizetype i = 0; i < size(); ++i) {
        text.append(at(i));
        text.append("\r\n", 2);
    }
    return text;
}
