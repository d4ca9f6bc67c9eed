// The encoding of a text word list on any bytes, its lines imported, and the library name
// proposed from it: UTF-8, a UTF-8 file kept as it is and lines kept in place; library lines;
// a name that fits the settings record, holds no '#' nor control character, and is free.

#include "fuzz/FuzzChecks.h"
#include "library/ImportNames.h"
#include "library/LineFields.h"
#include "library/WordListEncoding.h"

#include <algorithm>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytesIn, std::size_t size) {
    const auto* data = reinterpret_cast<const char*>(bytesIn);
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    const std::optional<WordListText> text = WordListAsUtf8(bytes);
    const bool marked = ByteOrderMarkOf(bytes).has_value();
    Check(text.has_value() == (marked || !bytes.contains('\0')), "a NUL without a mark refuses");
    if (!text) {
        return 0;
    }
    Check(text->utf8.isValidUtf8(), "the text is UTF-8");
    Check(marked || text->utf8.count('\n') == bytes.count('\n'), "lines keep their place");
    Check(marked || !bytes.isValidUtf8() || text->utf8 == bytes, "UTF-8 is kept as it is");

    ImportedLines lines;
    LibraryCatalogue catalogue;
    for (const QByteArray& line : text->utf8.split('\n')) {
        const LineFields fields = SplitFields(line);
        lines.Add(fields.word, fields.meaning, fields.phonetic);
        catalogue.append(line.trimmed());
    }
    CheckImportedLines(lines);

    const QByteArray name = LibraryNameFromTitle(QString::fromUtf8(text->utf8.left(64)));
    Check(name.size() <= kLibraryNameBytes && name.isValidUtf8() &&
              std::none_of(name.begin(), name.end(),
                           [](char c) { return c == '#' || c == '\x7F' || (c >= 0 && c < ' '); }),
          "the name fits the record, without '#' nor control character");
    const std::optional<LibraryNames> names =
        name.isEmpty() ? std::nullopt : FreeLibraryNames(FuzzProgramFolder(), catalogue, name);
    Check(!names || (!ListsNameOrFile(catalogue, names->name, names->file) &&
                     names->file.size() <= kLibraryNameBytes && !names->file.contains('/')),
          "the name and file are free, the file in data/");
    return 0;
}
