#include "library/ImportNames.h"

#include "library/DataFolder.h"
#include "strings/TextCodec.h"

#include <QFile>

namespace {

constexpr int kMostNames = 1000;
const QByteArray kFileExtension = QByteArrayLiteral(".dat");

QByteArray FileBase(QByteArrayView name) {
    QByteArray base = name.toByteArray();
    for (char& c : base) {
        if (static_cast<unsigned char>(c) < 0x20 || QByteArrayView("/\\.:*?\"<>|#").contains(c)) {
            c = '_';
        }
    }
    return base.isEmpty() ? QByteArrayLiteral("import") : base;
}

// The text cut so that the suffix fits after it in a name field, and the suffix.
QByteArray WithSuffix(QByteArrayView text, QByteArrayView suffix) {
    return CutToBytes(text, kLibraryNameBytes - suffix.size()).toByteArray().append(suffix);
}

} // namespace

QByteArray LibraryNameFromTitle(const QString& title) {
    QString name;
    for (const QChar c : title) {
        if (c == u'#') {
            name += u'＃';
        } else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator) {
            name += u' ';
        } else {
            name += c;
        }
    }
    return CutToBytes(name.simplified().toUtf8(), kLibraryNameBytes).toByteArray();
}

std::optional<LibraryNames> FreeLibraryNames(const QString& programFolder,
                                             const LibraryCatalogue& catalogue,
                                             QByteArrayView name) {
    const QByteArray base = FileBase(name);
    for (int number = 1; number <= kMostNames; ++number) {
        const QByteArray suffix = number == 1 ? QByteArray() : '-' + QByteArray::number(number);
        const LibraryNames names{WithSuffix(name, suffix),
                                 WithSuffix(base, suffix + kFileExtension)};
        const std::optional<QString> path = DataFilePath(programFolder, names.file);
        if (path && !QFile::exists(*path) && !ListsNameOrFile(catalogue, names.name, names.file)) {
            return names;
        }
    }
    return std::nullopt;
}
