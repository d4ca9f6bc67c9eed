// The KVTML reader on any bytes: no crash, no recursion to exhaust the stack, and the lines of
// what it reads are library lines the library reader reads back.

#include "fuzz/FuzzChecks.h"
#include "library/KvtmlReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    ImportedLines lines;
    const KvtmlContents contents = ReadKvtml(device, lines);
    if (contents.error == ImportError::Malformed) {
        Check(contents.errorLine >= 1 && contents.errorLine <= bytes.count('\n') + 1,
              "a format error names a line of the file");
    }
    if (contents.error == ImportError::None) {
        CheckImportedLines(lines);
    }
    return 0;
}
