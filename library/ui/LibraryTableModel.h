#pragma once

#include "library/WordList.h"

#include <QAbstractTableModel>

// The table of the choose-library dialog: entry number, word and meaning of the first 1000
// entries of a library, however long it is. Cells are decoded when the view asks for them, so
// filling the table costs the same for a library of a million entries as for one of a
// thousand. Column 0 carries the 0-based entry index under Qt::UserRole.
class LibraryTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr qsizetype kMostRows = 1000;

    explicit LibraryTableModel(QObject* parent = nullptr);

    // Shows the first kMostRows entries of this list in place of the rows shown so far.
    void SetEntries(const WordList& entries);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    WordList rows_;
};
