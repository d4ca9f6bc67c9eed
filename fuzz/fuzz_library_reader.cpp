// The library reader on any bytes: entries hold no line feed; written and read again, the
// same entries; and once exported and imported, exporting and importing again changes nothing.

#include "fuzz/FuzzChecks.h"
#include "library/LibraryExport.h"
#include "library/LibraryFile.h"
#include "library/LibraryImport.h"

#include <cstddef>
#include <cstdint>

namespace {

// The library text an import of the library's export makes.
QByteArray ExportedAndImported(const WordList& entries) {
    return ConvertWordList(ExportText(entries)).lines.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FuzzProgramFolder();
    WriteFile(folder + QStringLiteral("/data/read.dat"),
              QByteArrayView(data, static_cast<qsizetype>(size)));
    const LibraryContents contents = ReadWordLibrary(folder, "read.dat");
    Check(contents.status == (size == 0 ? LibraryStatus::Empty : LibraryStatus::Read),
          "a library file is read, or empty");
    Check(!contents.entries.isEmpty(), "a library has an entry to show");
    for (qsizetype i = 0; i < contents.entries.size(); ++i) {
        Check(!contents.entries.at(i).contains('\n'), "an entry holds no line feed");
    }
    Check(WriteWordLibrary(folder, "written.dat", contents.entries), "the library is written");
    const LibraryContents again = ReadWordLibrary(folder, "written.dat");
    Check(again.entries.toList() == contents.entries.toList(),
          "a library written is read back the same");

    const QByteArray once = ExportedAndImported(contents.entries);
    const WordList imported = WordList::FromText(once, WordList::ShortLines::DropAfterFirst);
    Check(ExportedAndImported(imported) == once, "export then import gives the same entries");
    return 0;
}
