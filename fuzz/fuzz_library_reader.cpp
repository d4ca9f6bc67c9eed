// The library reader on any bytes: written and read again, the same entries; and once
// exported and imported, exporting and importing again changes nothing.

#include "fuzz/FuzzChecks.h"
#include "library/LibraryExport.h"
#include "library/LibraryFile.h"
#include "library/LibraryImport.h"

#include <cstddef>
#include <cstdint>

namespace {

QByteArray ExportedAndImported(const WordList& entries) {
    return ConvertWordList(ExportText(entries)).lines.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    const QString& folder = FuzzProgramFolder();
    WriteFile(folder + "/data/read.dat", QByteArrayView(data, static_cast<qsizetype>(size)));
    const LibraryContents contents = ReadWordLibrary(folder, "read.dat");
    Check(contents.status == (size == 0 ? LibraryStatus::Empty : LibraryStatus::Read),
          "a library file is read, or empty");
    Check(WriteWordLibrary(folder, "written.dat", contents.entries) &&
              ReadWordLibrary(folder, "written.dat").entries.toList() == contents.entries.toList(),
          "a library written is read back the same");
    const QByteArray once = ExportedAndImported(contents.entries);
    Check(ExportedAndImported(WordList::FromText(once, WordList::ShortLines::DropAfterFirst)) ==
              once,
          "export then import gives the same entries");
    return 0;
}
