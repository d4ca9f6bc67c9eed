#pragma once

#include "library/Catalogue.h"
#include "library/WordList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDialog>
#include <QString>

class LibraryTableModel;
class QComboBox;
class QLabel;
class QTableView;

// The choose-library dialog: the catalogue's names in a combo box, and for the library picked
// there its number of entries and a table of its first 1000. A picked library is read into the
// dialog's own list; the main window takes that list over when the dialog is confirmed and the
// list is not empty, without reading the file again.
class CChooseLibraryDlg : public QDialog {
    Q_OBJECT

public:
    // Opens on the main window's library: its entries, file name and display name.
    CChooseLibraryDlg(const QString& programFolder, const LibraryCatalogue& catalogue,
                      const WordList& entries, QByteArrayView fileName, QByteArrayView displayName,
                      QWidget* parent = nullptr);
    ~CChooseLibraryDlg() override;

    const QByteArray& fileName() const { return fileName_; }
    const QByteArray& displayName() const { return displayName_; }
    // The number of entries of the chosen library: 0 after a file that could not be read.
    qsizetype count() const { return entries_.size(); }
    // Hands the entries over; the dialog's list is empty afterwards.
    WordList TakeEntries();

private:
    void BuildControls();
    void SizeColumns();
    void OnPick(int index);
    void ShowEntries();

    QString programFolder_;
    LibraryCatalogue catalogue_;
    WordList entries_;
    QByteArray fileName_;
    QByteArray displayName_;

    QComboBox* names_ = nullptr;  // 1023
    QTableView* table_ = nullptr; // 1022
    LibraryTableModel* rows_ = nullptr;
    QLabel* count_ = nullptr; // 1025
};
