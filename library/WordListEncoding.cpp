#include "library/WordListEncoding.h"

#include "strings/TextCodec.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace {

// UTF-32 LE before UTF-16 LE: its mark begins with the other's.
const std::array<ByteOrderMark, 5> kMarks{{
    {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8},
    {QByteArrayView("\xFF\xFE\x00\x00", 4), QStringConverter::Utf32LE},
    {QByteArrayView("\x00\x00\xFE\xFF", 4), QStringConverter::Utf32BE},
    {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE},
    {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE},
}};

// The line as UTF-8 when it is valid GB18030; nothing otherwise. A decoder once in error stays
// so, hence one for each line.
std::optional<QString> Gb18030Line(QByteArrayView line) {
    QStringDecoder gb18030("GB18030", QStringDecoder::Flag::Stateless);
    QString text = gb18030.decode(line);
    if (gb18030.hasError()) {
        return std::nullopt;
    }
    return text;
}

WordListText TextByLines(QByteArrayView bytes) {
    WordListText text;
    text.utf8.reserve(bytes.size() + bytes.size() / 2);
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype lineFeed = bytes.indexOf('\n', start);
        const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (IsUtf8(line)) {
            text.utf8 += line;
        } else if (const std::optional<QString> decoded = Gb18030Line(line)) {
            text.utf8 += decoded->toUtf8();
        } else {
            text.utf8 += lineFeed < 0 ? "" : "\n";
            ++text.undecodableLines;
        }
        start = end;
    }
    return text;
}

} // namespace

std::optional<ByteOrderMark> ByteOrderMarkOf(QByteArrayView bytes) {
    for (const ByteOrderMark& mark : kMarks) {
        if (bytes.startsWith(mark.bytes)) {
            return mark;
        }
    }
    return std::nullopt;
}

std::optional<WordListText> WordListAsUtf8(QByteArray bytes) {
    if (const std::optional<ByteOrderMark> mark = ByteOrderMarkOf(bytes)) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(mark->bytes.size());
        if (mark->encoding == QStringConverter::Utf8 && IsUtf8(text)) {
            return WordListText{text.toByteArray()};
        }
        QStringDecoder decoder(mark->encoding, QStringDecoder::Flag::Stateless);
        return WordListText{QString(decoder.decode(text)).toUtf8()};
    }
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    if (IsUtf8(bytes)) {
        return WordListText{std::move(bytes)};
    }
    return TextByLines(bytes);
}
