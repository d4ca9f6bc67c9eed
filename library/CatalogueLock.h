#pragma once

#include "library/CatalogueEditor.h"

#include <QLockFile>
#include <QString>

#include <chrono>

// Every change of table.ini (an import, the library manager's OK) reads, changes and writes it
// while holding the lock file table.ini.lock beside it, so that two programs changing the
// catalogue at once never lose each other's lines. A lock left behind by a program that died
// is taken over.
enum class CatalogueLockState {
    Held,
    Busy,        // another program held it for the whole wait
    Unavailable, // the lock file cannot be made (no such folder, no permission)
};

inline constexpr std::chrono::milliseconds kCatalogueLockWait{5000};

class CatalogueLock {
public:
    explicit CatalogueLock(const QString& programFolder,
                           std::chrono::milliseconds wait = kCatalogueLockWait);

    CatalogueLockState state() const { return state_; }

private:
    QLockFile file_;
    CatalogueLockState state_;
};

enum class CatalogueSave { Written, Busy, CannotWrite };

// Writes the editor's catalogue to table.ini under its lock, with the lines that other programs
// added meanwhile (CatalogueEditor::TakeLinesAddedElsewhere), which the editor then holds too.
CatalogueSave SaveCatalogue(const QString& programFolder, CatalogueEditor& editor);
