#include "library/WordDeletion.h"

bool MayDeleteEntry(const WordList& words, qsizetype index, QByteArrayView line,
                    const std::optional<QByteArray>& lastDeletedLine) {
    if (words.size() < 2 || index < 0 || index >= words.size()) {
        return false;
    }
    return !lastDeletedLine || *lastDeletedLine != line;
}
