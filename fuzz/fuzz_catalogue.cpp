// table.ini on any bytes: written and read again, the same entries; written again, the same
// bytes, each entry ended by CR LF.

#include "fuzz/FuzzChecks.h"
#include "library/Catalogue.h"
#include "library/TextFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    const QString& folder = FuzzProgramFolder();
    WriteFile(CataloguePath(folder), QByteArrayView(data, static_cast<qsizetype>(size)));
    const LibraryCatalogue catalogue = ReadCatalogue(folder);
    Check(WriteCatalogue(folder, catalogue) &&
              ReadWholeFile(CataloguePath(folder)) == catalogue.toText(),
          "table.ini holds the entries, each ended by CR LF");
    Check(ReadCatalogue(folder).toList() == catalogue.toList(), "table.ini reads back the same");
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const CatalogueEntry entry = SplitCatalogueEntry(catalogue.at(i));
        Check(!catalogue.at(i).contains('\n') && !entry.name.contains('#') &&
                  catalogue.at(i).endsWith(entry.file),
              "an entry is its name, '#' and its file");
    }
    return 0;
}
