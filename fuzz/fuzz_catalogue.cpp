// The catalogue, table.ini, on any bytes: every line an entry split at its first '#'; written
// and read again, the same entries and, written again, the same bytes.

#include "fuzz/FuzzChecks.h"
#include "library/Catalogue.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "table.ini can be read");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString folder = FuzzProgramFolder();
    WriteFile(CataloguePath(folder), QByteArrayView(data, static_cast<qsizetype>(size)));
    const LibraryCatalogue catalogue = ReadCatalogue(folder);
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const QByteArrayView line = catalogue.at(i);
        Check(!line.contains('\n'), "an entry holds no line feed");
        const CatalogueEntry entry = SplitCatalogueEntry(line);
        Check(line.contains('#') ? entry.name.size() + 1 + entry.file.size() == line.size() &&
                                       !entry.name.contains('#')
                                 : entry.file == line && entry.name.isEmpty(),
              "an entry is its name, '#' and its file");
    }
    Check(WriteCatalogue(folder, catalogue), "table.ini is written");
    const QByteArray written = FileBytes(CataloguePath(folder));
    Check(written == catalogue.toText(), "table.ini holds the entries, each ended by CR LF");
    const LibraryCatalogue again = ReadCatalogue(folder);
    Check(again.toList() == catalogue.toList(), "table.ini written is read back the same");
    Check(WriteCatalogue(folder, again) && FileBytes(CataloguePath(folder)) == written,
          "table.ini written twice is the same bytes");
    return 0;
}
