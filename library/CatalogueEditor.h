#pragma once

#include "library/Catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What became of an edit of the catalogue. The refusals say what the user is told.
enum class CatalogueEdit {
    Done,
    Nothing,          // nothing to do: no entry selected, or the entry is first or last already
    AlreadyListed,    // string 111: the name or the file is in the catalogue already
    LastLibrary,      // string 104: the last entry of the catalogue stays
    TooLong,          // the name or the file name is longer than the settings record can hold
    HashInName,       // a '#' in the name would make the rest of it part of the file name
    ControlCharacter, // a line break or another control character would split or garble the
                      // entry's line in table.ini
};

// The library manager's edits of the catalogue, made at once in memory, together with the
// entry selected in its list. The catalogue is written to table.ini only when the manager is
// confirmed; until then the edits are already in force for the rest of the run.
class CatalogueEditor {
public:
    explicit CatalogueEditor(LibraryCatalogue& catalogue);

    const LibraryCatalogue& catalogue() const { return catalogue_; }

    // The selected entry, or -1 when none is (an empty catalogue). Entry 0 is selected at first.
    qsizetype selected() const { return selected_; }
    void Select(qsizetype index);
    // The selected entry's name and file part; both empty when none is selected.
    CatalogueEntry SelectedEntry() const;

    // Appends name#file and selects it, unless the name or the file is listed already.
    CatalogueEdit Add(QByteArrayView name, QByteArrayView file);
    // Replaces the selected entry by name#file; names and files may then be listed twice.
    CatalogueEdit Rename(QByteArrayView name, QByteArrayView file);
    // Swap the selected entry with its neighbour and keep it selected.
    CatalogueEdit MoveUp();
    CatalogueEdit MoveDown();
    // Takes the selected entry out of the catalogue, leaving its file alone, and selects the
    // entry now in its place (the last one when it was the last).
    CatalogueEdit Remove();
    // Moves data/<file> to the trash, then removes every entry naming that file as Remove does.
    // LastLibrary when the catalogue holds fewer than two entries (nothing is done then), or
    // when the last entry left names the file and so had to stay.
    CatalogueEdit DeleteLibrary(const QString& programFolder, QByteArrayView file);

    // Before the catalogue is written: appends the lines of table.ini as it is now (`onDisk`)
    // that the catalogue does not hold and that were not removed or renamed here, that is the
    // lines other programs (a command-line import) added meanwhile, so that writing the
    // catalogue keeps them as well as the edits made here.
    void TakeLinesAddedElsewhere(const LibraryCatalogue& onDisk);

private:
    CatalogueEdit CheckNewEntry(QByteArrayView name, QByteArrayView file) const;
    static QByteArray EntryLine(QByteArrayView name, QByteArrayView file);

    LibraryCatalogue& catalogue_;
    qsizetype selected_ = -1;
    QList<QByteArray> removed_; // the lines removed or replaced by a rename, as they were
};
