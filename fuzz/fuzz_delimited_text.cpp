// Text word lists on any bytes (flashcard headers, quoted records, HTML fields): what is
// imported is library lines, records written back with every field quoted read the same, a
// record read in one pass as plain has the fields DelimitedRecords reads, and the text is found
// UTF-8 exactly when Qt finds it so.

#include "fuzz/FuzzChecks.h"
#include "library/DelimitedRecords.h"
#include "library/LibraryImport.h"
#include "library/PlainRecord.h"
#include "strings/TextCodec.h"

#include <cstddef>
#include <cstdint>

namespace {

// The plain record at the reader's position, if it is one, against the reader's next record.
void CheckPlainRecord(QByteArrayView text, PlainRecords& plain, DelimitedRecords records) {
    const qsizetype start = records.position();
    const std::optional<PlainRecord> record = plain.At(start);
    RecordFields fields;
    if (!record || !records.Next(fields)) {
        return;
    }
    const QByteArrayView line = text.sliced(start, record->end - start);
    Check(records.position() == record->end, "a plain record ends where the record ends");
    Check(record->columnCount == std::ssize(fields) && record->first == fields[0] &&
              record->fields[1] == (fields.size() > 1 ? fields[1] : QByteArrayView()),
          "a plain record has the fields of the record");
    const QByteArrayView fieldBytes = line.chopped(line.endsWith("\r\n") ? 2
                                                   : line.endsWith('\n') ? 1
                                                                         : 0);
    Check(record->mayRewrite || FindAnyOf(fieldBytes, 0, kBytesToRewrite) == fieldBytes.size(),
          "a plain record says when it holds a byte to rewrite");
}

// The records of the text, and the same written with every field quoted.
std::pair<QList<QByteArrayList>, QByteArray> Records(QByteArrayView text, char separator) {
    DelimitedRecords records(text, separator);
    PlainRecords plain(text, separator, {0, 1, 2});
    RecordFields fields;
    std::pair<QList<QByteArrayList>, QByteArray> read;
    for (CheckPlainRecord(text, plain, records); records.Next(fields);
         CheckPlainRecord(text, plain, records)) {
        QByteArrayList& record = read.first.emplace_back();
        for (const QByteArrayView field : fields) {
            record.append(field.toByteArray());
            read.second += '"' + QByteArray(record.back()).replace("\"", "\"\"") + '"' + separator;
        }
        read.second.back() = '\n';
    }
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    Check(IsUtf8(bytes) == QByteArrayView(bytes).isValidUtf8(), "UTF-8 as Qt has it");
    const ConvertedWordList converted = ConvertWordList(bytes);
    if (converted.error == ImportError::None) {
        CheckImportedLines(converted.lines);
    }
    const char separator = size == 0 ? ',' : ",\t;|"[static_cast<unsigned char>(data[0]) % 4];
    const auto [records, quoted] = Records(bytes, separator);
    Check(Records(quoted, separator).first == records, "records written back read the same");
    return 0;
}
