#include "library/CurrentLibrary.h"

#include <utility>

void CurrentLibrary::Adopt(WordList words) {
    words_ = std::move(words);
    dirty_ = false;
}

void CurrentLibrary::RemoveEntry(qsizetype i) {
    words_.removeAt(i);
    dirty_ = true;
}

void CurrentLibrary::AppendEntry(QByteArrayView line) {
    if (line.size() > 1) {
        words_.append(line);
    }
}

bool CurrentLibrary::RewriteIfDirty(const QString& programFolder, QByteArrayView fileName) {
    if (!dirty_) {
        return true;
    }
    if (!WriteWordLibrary(programFolder, fileName, words_)) {
        return false;
    }
    dirty_ = false;
    return true;
}
