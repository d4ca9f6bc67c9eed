#include "strings/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Length of a GB18030 character starting at `lead`: one byte for ASCII, four when the second
// byte is a digit, two otherwise.
qsizetype Gb18030CharLength(QByteArrayView bytes, qsizetype lead) {
    const auto first = static_cast<unsigned char>(bytes[lead]);
    if (first < 0x81 || first == 0xFF || lead + 1 >= bytes.size()) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(bytes[lead + 1]);
    return (second >= 0x30 && second <= 0x39) ? 4 : 2;
}

// Valid UTF-8 but for a character cut off at the end.
bool IsUtf8CutShort(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

LineEncoding EncodingOf(QByteArrayView line) {
    return IsUtf8(line) ? LineEncoding::Utf8 : LineEncoding::Gb18030;
}

QString Decode(QByteArrayView bytes, LineEncoding encoding) {
    if (encoding == LineEncoding::Utf8) {
        return QString::fromUtf8(bytes);
    }
    QStringDecoder gb18030("GB18030", QStringDecoder::Flag::Stateless);
    return gb18030.decode(bytes);
}

QString DecodeLine(QByteArrayView bytes) {
    return Decode(bytes, EncodingOf(bytes));
}

QByteArray EncodeGb18030(const QString& text) {
    QStringEncoder gb18030("GB18030");
    return gb18030.encode(text);
}

QByteArrayView CutToBytes(QByteArrayView bytes, qsizetype maxBytes) {
    if (bytes.size() <= maxBytes) {
        return bytes;
    }
    if (EncodingOf(bytes) == LineEncoding::Utf8) {
        qsizetype cut = maxBytes;
        while (cut > 0 && IsUtf8Continuation(bytes[cut])) {
            --cut;
        }
        return bytes.first(cut);
    }
    qsizetype cut = 0;
    while (cut < bytes.size()) {
        const qsizetype next = cut + Gb18030CharLength(bytes, cut);
        if (next > maxBytes) {
            break;
        }
        cut = next;
    }
    return bytes.first(cut);
}

QByteArrayView WithoutCutOffCharacter(QByteArrayView bytes) {
    if (IsUtf8(bytes) || !IsUtf8CutShort(bytes)) {
        return bytes;
    }
    qsizetype lead = bytes.size() - 1;
    while (lead > 0 && IsUtf8Continuation(bytes[lead])) {
        --lead;
    }
    return bytes.first(lead);
}
