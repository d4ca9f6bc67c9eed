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

} // namespace

std::optional<ByteOrderMark> ByteOrderMarkOf(QByteArrayView bytes) {
    for (const ByteOrderMark& mark : kMarks) {
        if (bytes.startsWith(mark.bytes)) {
            return mark;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> WordListAsUtf8(QByteArray bytes) {
    if (const std::optional<ByteOrderMark> mark = ByteOrderMarkOf(bytes)) {
        const QByteArrayView text = QByteArrayView(bytes).sliced(mark->bytes.size());
        if (mark->encoding == QStringConverter::Utf8 && text.isValidUtf8()) {
            return text.toByteArray();
        }
        QStringDecoder decoder(mark->encoding, QStringDecoder::Flag::Stateless);
        return QString(decoder.decode(text)).toUtf8();
    }
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    if (EncodingOf(bytes) == LineEncoding::Utf8) {
        return bytes;
    }
    return Decode(bytes, LineEncoding::Gb18030).toUtf8();
}
