#include "companion/CurrentEntry.h"

#include "library/LineFields.h"

#include <QString>

namespace {

QString OnOneLine(QString field) {
    for (QChar& c : field) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return field;
}

} // namespace

QByteArray CurrentEntryLine(QByteArrayView libraryLine) {
    const TextFields fields = DecodeFields(libraryLine);
    const QString line = OnOneLine(fields.word) + u'\t' + OnOneLine(fields.phonetic) + u'\t' +
                         OnOneLine(fields.meaning) + u'\n';
    return line.toUtf8();
}
