// The encoding of a text word list on any bytes, the lines imported from the text, and the
// library name proposed from it: the text is UTF-8, a file already in UTF-8 is kept byte for
// byte, lines keep their numbers; the imported lines are library lines; the name fits the
// settings record, holds no '#' nor control character, and is free.

#include "fuzz/FuzzChecks.h"
#include "library/Catalogue.h"
#include "library/ImportNames.h"
#include "library/LineFields.h"
#include "library/WordListEncoding.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

void CheckText(const QByteArray& bytes, const std::optional<WordListText>& text) {
    const bool marked = ByteOrderMarkOf(bytes).has_value();
    Check(text.has_value() == (marked || !bytes.contains('\0')),
          "only a NUL without a mark refuses");
    if (!text) {
        return;
    }
    Check(text->utf8.isValidUtf8(), "the text is UTF-8");
    if (!marked) {
        Check(text->utf8.count('\n') == bytes.count('\n'), "the text keeps every line");
        Check(text->undecodableLines <= bytes.count('\n') + 1, "no more lines skipped than held");
        if (bytes.isValidUtf8()) {
            Check(text->utf8 == bytes && text->undecodableLines == 0, "UTF-8 is kept as it is");
        }
    }
}

void CheckName(const QByteArray& title, const LibraryCatalogue& catalogue) {
    const QByteArray name = LibraryNameFromTitle(QString::fromUtf8(title));
    Check(name.size() <= kLibraryNameBytes && name.isValidUtf8(), "the name fits the record");
    for (const char c : name) {
        Check(c != '#' && (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F),
              "the name holds no '#' nor control character");
    }
    if (name.isEmpty()) {
        return;
    }
    const std::optional<LibraryNames> names =
        FreeLibraryNames(FuzzProgramFolder(), catalogue, name);
    Check(names.has_value(), "a free name is found");
    Check(!ListsNameOrFile(catalogue, names->name, names->file), "the name and file are free");
    Check(names->file.size() <= kLibraryNameBytes && !names->file.contains('/') &&
              !names->file.contains('#'),
          "the file name stays in data/");
    Check(!QFile::exists(FuzzProgramFolder() + "/data/" + QString::fromUtf8(names->file)),
          "the file is new");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<WordListText> text = WordListAsUtf8(bytes);
    CheckText(bytes, text);
    if (!text) {
        return 0;
    }
    ImportedLines lines;
    LibraryCatalogue catalogue;
    for (const QByteArray& line : text->utf8.split('\n')) {
        const LineFields fields = SplitFields(line);
        lines.Add(fields.word, fields.meaning, fields.phonetic);
        catalogue.append(line.trimmed());
    }
    CheckImportedLines(lines);
    CheckName(text->utf8.left(text->utf8.indexOf('\n')), catalogue);
    return 0;
}
