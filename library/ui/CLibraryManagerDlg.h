#pragma once

#include "library/Catalogue.h"
#include "library/CatalogueEditor.h"
#include "library/ImportedLines.h"
#include "strings/StringIds.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The library manager: the catalogue's names in a list, a name field and a file field (whose
// list holds the library files of data/), and buttons that add, rename, move and remove
// entries, delete a library file and import a word list as a new library. It edits the main
// window's catalogue in place, so its edits stay in force however the dialog ends; only OK
// writes table.ini, apart from an import, which writes its own entry at once.
class CLibraryManagerDlg : public QDialog {
    Q_OBJECT

public:
    // An imported word list's entries without a phonetic get theirs from `phonetics`.
    CLibraryManagerDlg(const QString& programFolder, LibraryCatalogue& catalogue,
                       PhoneticSource phonetics, QWidget* parent = nullptr);

private:
    void BuildControls();
    QPushButton* AddButton(StringId text, const char* name, void (CLibraryManagerDlg::*onClick)());

    void OnSelectionChanged(int row);
    void OnAdd();
    void OnDelete();
    void OnRename();
    void OnMoveUp();
    void OnMoveDown();
    void OnRemove();
    void OnImport();
    void OnOk();

    // Shows the catalogue's names with the editor's selection.
    void ShowNames();
    // Shows the selected entry's name and file part in the fields.
    void ShowFields();
    void FillFileList();
    QByteArray NameField() const;
    QByteArray FileField() const;
    // Shows the catalogue as it is now, then tells the user why an edit was refused.
    void Show(CatalogueEdit result);

    QString programFolder_;
    PhoneticSource phonetics_;
    CatalogueEditor editor_;
    // The bytes of the entry last shown in the fields: a field the user has not changed keeps
    // them, so that a name stored in another encoding is written back unchanged.
    QByteArray shownName_;
    QByteArray shownFile_;

    QListWidget* names_ = nullptr; // 1007
    QLineEdit* name_ = nullptr;    // 1052
    QComboBox* file_ = nullptr;    // 1053
};
