#include "library/FindEntry.h"

#include "strings/TextCodec.h"

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView WithoutLeadingWhiteSpace(QByteArrayView line) {
    qsizetype start = 0;
    while (start < line.size() && IsWhiteSpace(line[start])) {
        ++start;
    }
    return line.sliced(start);
}

} // namespace

qsizetype FindEntry(const WordList& words, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const QByteArray gb18030 = EncodeGb18030(text);
    const bool sameInBoth = utf8 == gb18030; // plain ASCII
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArrayView line = WithoutLeadingWhiteSpace(words.at(i));
        if (line.startsWith(utf8)) {
            return i;
        }
        if (!sameInBoth && line.startsWith(gb18030) && !IsUtf8(words.at(i))) {
            return i;
        }
    }
    return -1;
}
