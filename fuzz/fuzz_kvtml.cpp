// The KVTML reader on any bytes: an error names a line of the file; what it reads is
// library lines.

#include "fuzz/FuzzChecks.h"
#include "library/KvtmlReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    QByteArray bytes(data, static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    ImportedLines lines;
    const KvtmlContents contents = ReadKvtml(device, lines);
    // XML counts a lone carriage return as a line end too.
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    Check(contents.errorLine >= 0 && contents.errorLine <= lineEnds + 1,
          "an error names a line of the file");
    if (contents.error == ImportError::None) {
        CheckImportedLines(lines);
    }
    return 0;
}
