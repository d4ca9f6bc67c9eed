#include "library/CurrentLibrary.h"

#include <utility>

LibraryStatus CurrentLibrary::Load(const QString& programFolder, QByteArrayView fileName) {
    LibraryContents contents = ReadWordLibrary(programFolder, fileName);
    Adopt(std::move(contents.entries));
    return contents.status;
}

void CurrentLibrary::Adopt(WordList words) {
    words_ = std::move(words);
    dirty_ = false;
}

void CurrentLibrary::RemoveEntry(qsizetype i) {
    words_.removeAt(i);
    dirty_ = true;
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
