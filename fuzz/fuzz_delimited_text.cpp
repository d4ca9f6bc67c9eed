// Text word lists on any bytes: the header lines of flashcard exports, delimited records with
// quotes, HTML fields. What is imported is library lines; delimited records written back with
// every field quoted read as the same records; the plain text of HTML is UTF-8 as the HTML is.

#include "fuzz/FuzzChecks.h"
#include "library/DelimitedRecords.h"
#include "library/HtmlText.h"
#include "library/LibraryImport.h"

#include <QList>

#include <cstddef>
#include <cstdint>

namespace {

QList<QList<QByteArray>> AllRecords(QByteArrayView text, char separator) {
    DelimitedRecords records(text, separator);
    RecordFields fields;
    QList<QList<QByteArray>> all;
    while (records.Next(fields)) {
        QList<QByteArray>& record = all.emplace_back();
        for (const QByteArrayView field : fields) {
            record.append(field.toByteArray());
        }
    }
    return all;
}

QByteArray Quoted(const QList<QList<QByteArray>>& records, char separator) {
    QByteArray text;
    for (const QList<QByteArray>& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            text += (i > 0 ? QByteArray(1, separator) : QByteArray()) + '"' +
                    QByteArray(record[i]).replace("\"", "\"\"") + '"';
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ConvertedWordList converted = ConvertWordList(bytes);
    if (converted.error == ImportError::None) {
        CheckImportedLines(converted.lines);
    }

    const char separator = bytes.isEmpty() ? ',' : ",\t;|"[static_cast<unsigned char>(data[0]) % 4];
    const QList<QList<QByteArray>> records = AllRecords(bytes, separator);
    Check(AllRecords(Quoted(records, separator), separator) == records,
          "records written back quoted read the same");
    if (bytes.isValidUtf8()) {
        Check(PlainTextOfHtml(bytes).isValidUtf8(), "the plain text of UTF-8 HTML is UTF-8");
    }
    return 0;
}
