// Text word lists on any bytes (flashcard headers, quoted records, HTML fields): what is
// imported is library lines, and records written back with every field quoted read the same.

#include "fuzz/FuzzChecks.h"
#include "library/DelimitedRecords.h"
#include "library/LibraryImport.h"

#include <cstddef>
#include <cstdint>

namespace {

// The records of the text, and the same written with every field quoted.
std::pair<QList<QByteArrayList>, QByteArray> Records(QByteArrayView text, char separator) {
    DelimitedRecords records(text, separator);
    RecordFields fields;
    std::pair<QList<QByteArrayList>, QByteArray> read;
    while (records.Next(fields)) {
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
    const ConvertedWordList converted = ConvertWordList(bytes);
    if (converted.error == ImportError::None) {
        CheckImportedLines(converted.lines);
    }
    const char separator = size == 0 ? ',' : ",\t;|"[static_cast<unsigned char>(data[0]) % 4];
    const auto [records, quoted] = Records(bytes, separator);
    Check(Records(quoted, separator).first == records, "records written back read the same");
    return 0;
}
