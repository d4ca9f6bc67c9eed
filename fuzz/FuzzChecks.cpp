#include "fuzz/FuzzChecks.h"

#include "library/LibraryFile.h"
#include "library/LineFields.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void Check(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

const QString& FuzzProgramFolder() {
    static const QTemporaryDir folder;
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("data"));
    Check(made, "the program folder can be made");
    static const QString path = folder.path();
    return path;
}

void WriteFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the file can be written");
    Check(file.write(bytes.data(), bytes.size()) == bytes.size(), "the file is written whole");
}

void CheckImportedLines(const ImportedLines& lines) {
    const QByteArray& text = lines.text();
    Check(text.isValidUtf8(), "the lines are UTF-8");
    Check(text.isEmpty() || text.endsWith("\r\n"), "the last line ends with CR LF");
    QList<QByteArray> split = text.split('\n');
    split.removeLast(); // after the last line feed
    Check(split.size() == lines.entries(), "one line an entry");
    for (const QByteArray& line : split) {
        Check(line.endsWith('\r') && line.indexOf('\r') == line.size() - 1,
              "a line holds no line break but its CR LF");
        const QByteArrayView entry = QByteArrayView(line).chopped(1);
        const qsizetype hashes = entry.count('#');
        Check(hashes == 1 || hashes == 2, "a line has two or three fields");
        Check(!SplitFields(entry).word.isEmpty(), "a line has a word");
    }
    if (lines.entries() == 0) {
        return; // an empty library file reads as a placeholder entry
    }
    WriteFile(FuzzProgramFolder() + QStringLiteral("/data/imported.dat"), text);
    const LibraryContents read = ReadWordLibrary(FuzzProgramFolder(), "imported.dat");
    Check(read.status == LibraryStatus::Read, "the library file is read");
    Check(read.entries.size() == lines.entries(), "the library has the entries imported");
    for (qsizetype i = 0; i < read.entries.size(); ++i) {
        Check(read.entries.at(i) == QByteArrayView(split[i]).chopped(1),
              "the library's entries are the lines imported");
    }
}
