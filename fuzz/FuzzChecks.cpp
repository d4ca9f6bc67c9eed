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
    static const QString path = QDir(folder.path()).mkpath("data") ? folder.path() : QString();
    return path;
}

void WriteFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size(),
          "a file is written");
}

void CheckImportedLines(const ImportedLines& lines) {
    const QByteArray& text = lines.text();
    Check(text.isValidUtf8() && (text.isEmpty() || text.endsWith("\r\n")), "UTF-8, CR LF ended");
    QList<QByteArray> split = text.split('\n');
    split.removeLast(); // after the last line feed
    Check(split.size() == lines.entries(), "one line an entry");
    WriteFile(FuzzProgramFolder() + "/data/imported.dat", text);
    const WordList read = ReadWordLibrary(FuzzProgramFolder(), "imported.dat").entries;
    for (qsizetype i = 0; i < split.size(); ++i) {
        const QByteArrayView line = QByteArrayView(split[i]).chopped(1);
        Check(split[i].endsWith('\r') && !line.contains('\r'), "no line break inside a line");
        Check(line.count('#') == 1 || line.count('#') == 2, "two or three fields");
        Check(!SplitFields(line).word.isEmpty(), "a line has a word");
        Check(read.size() == split.size() && read.at(i) == line, "the library reads the lines");
    }
}
