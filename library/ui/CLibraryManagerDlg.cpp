#include "library/ui/CLibraryManagerDlg.h"

#include "controls/BusyWork.h"
#include "controls/DialogPlacement.h"
#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/CatalogueLock.h"
#include "library/DataFolder.h"
#include "library/ImportSummary.h"
#include "library/LibraryImport.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>
#include <utility>

namespace {

// The bytes to store for a field: those shown in it when the text is still theirs, otherwise
// the typed text in UTF-8.
QByteArray FieldBytes(const QString& text, const QByteArray& shown) {
    return DecodeLine(shown) == text ? shown : text.toUtf8();
}

// The word lists that can be imported, all of them first.
FileDialogOptions ImportFileDialog() {
    const auto filter = [](StringId name, QLatin1String patterns) {
        return QStringLiteral("%1 (%2)").arg(StringText(name), patterns);
    };
    const QStringList filters{
        filter(StringId::ImportFilterWordLists, QLatin1String("*.kvtml *.txt *.tsv *.csv")),
        filter(StringId::ImportFilterKvtml, QLatin1String("*.kvtml")),
        filter(StringId::ImportFilterText, QLatin1String("*.txt *.tsv *.csv")),
        filter(StringId::ImportFilterAllFiles, QLatin1String("*")),
    };
    return {FileDialogMode::Open, QDir::homePath(), filters.join(QLatin1String(";;")), {}};
}

} // namespace

CLibraryManagerDlg::CLibraryManagerDlg(const QString& programFolder, LibraryCatalogue& catalogue,
                                       PhoneticSource phonetics, QWidget* parent)
    : QDialog(parent), programFolder_(programFolder), phonetics_(std::move(phonetics)),
      editor_(catalogue) {
    setWindowTitle(StringText(StringId::LibraryManagerCaption));
    BuildControls();
    ShowNames();
    FillFileList();
    ShowFields();
    connect(names_, &QListWidget::currentRowChanged, this, &CLibraryManagerDlg::OnSelectionChanged);
    CenterOnScreen(this);
}

QPushButton* CLibraryManagerDlg::AddButton(StringId text, const char* name,
                                           void (CLibraryManagerDlg::*onClick)()) {
    auto* button = new QPushButton(StringText(text), this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, onClick);
    return button;
}

void CLibraryManagerDlg::BuildControls() {
    names_ = new QListWidget(this);
    names_->setObjectName(QStringLiteral("names"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    file_ = new QComboBox(this);
    file_->setObjectName(QStringLiteral("file"));
    file_->setEditable(true);
    file_->setInsertPolicy(QComboBox::NoInsert);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(StringText(StringId::LibraryNameLabel), this), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(StringText(StringId::LibraryFileLabel), this), 1, 0);
    fields->addWidget(file_, 1, 1);

    // Rows of three.
    using Handler = void (CLibraryManagerDlg::*)();
    const struct {
        StringId text;
        const char* name;
        Handler onClick;
    } kButtons[] = {
        {StringId::ButtonAddLibrary, "add", &CLibraryManagerDlg::OnAdd},
        {StringId::ButtonDeleteLibrary, "delete", &CLibraryManagerDlg::OnDelete},
        {StringId::ButtonRenameLibrary, "rename", &CLibraryManagerDlg::OnRename},
        {StringId::ButtonMoveUp, "moveUp", &CLibraryManagerDlg::OnMoveUp},
        {StringId::ButtonMoveDown, "moveDown", &CLibraryManagerDlg::OnMoveDown},
        {StringId::ButtonRemoveLibrary, "remove", &CLibraryManagerDlg::OnRemove},
        {StringId::ButtonImportLibrary, "import", &CLibraryManagerDlg::OnImport},
    };
    auto* buttons = new QGridLayout;
    for (int i = 0; i < std::ssize(kButtons); ++i) {
        const auto& button = kButtons[i];
        buttons->addWidget(AddButton(button.text, button.name, button.onClick), i / 3, i % 3);
    }
    QPushButton* ok = AddButton(StringId::ButtonOk, "ok", &CLibraryManagerDlg::OnOk);
    ok->setDefault(true);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(buttons);
    right->addStretch();
    right->addWidget(ok, 0, Qt::AlignRight);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(StringText(StringId::LibraryListLabel), this));
    left->addWidget(names_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
}

void CLibraryManagerDlg::ShowNames() {
    const QSignalBlocker blocker(names_);
    names_->clear();
    const LibraryCatalogue& catalogue = editor_.catalogue();
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        names_->addItem(DecodeLine(SplitCatalogueEntry(catalogue.at(i)).name));
    }
    names_->setCurrentRow(static_cast<int>(editor_.selected()));
}

void CLibraryManagerDlg::ShowFields() {
    const CatalogueEntry entry = editor_.SelectedEntry();
    shownName_ = entry.name.toByteArray();
    shownFile_ = entry.file.toByteArray();
    name_->setText(DecodeLine(shownName_));
    file_->setEditText(DecodeLine(shownFile_));
}

// The list of the file field: the library files now in data/. Filled again after a delete,
// so that it always shows what is there.
void CLibraryManagerDlg::FillFileList() {
    const QString typed = file_->currentText();
    file_->clear();
    file_->addItems(LibraryFileNames(programFolder_));
    file_->setCurrentIndex(-1);
    file_->setEditText(typed);
}

QByteArray CLibraryManagerDlg::NameField() const {
    return FieldBytes(name_->text(), shownName_);
}

QByteArray CLibraryManagerDlg::FileField() const {
    return FieldBytes(file_->currentText(), shownFile_);
}

void CLibraryManagerDlg::Show(CatalogueEdit result) {
    ShowNames();
    switch (result) {
    case CatalogueEdit::AlreadyListed:
        ShowMessage(this, StringText(StringId::LibraryAlreadyListed));
        break;
    case CatalogueEdit::LastLibrary:
        ShowMessage(this, StringText(StringId::CannotRemoveLastLibrary));
        break;
    case CatalogueEdit::TooLong:
        ShowMessage(this, StringText(StringId::NameTooLong));
        break;
    case CatalogueEdit::HashInName:
        ShowMessage(this, StringText(StringId::HashInLibraryName));
        break;
    case CatalogueEdit::ControlCharacter:
        ShowMessage(this, StringText(StringId::ControlCharacterInName));
        break;
    case CatalogueEdit::Done:
    case CatalogueEdit::Nothing:
        break;
    }
}

void CLibraryManagerDlg::OnSelectionChanged(int row) {
    editor_.Select(row);
    ShowFields();
}

void CLibraryManagerDlg::OnAdd() {
    const CatalogueEdit result = editor_.Add(NameField(), FileField());
    Show(result);
    if (result == CatalogueEdit::Done) {
        ShowFields();
    }
}

void CLibraryManagerDlg::OnDelete() {
    const qsizetype before = editor_.catalogue().size();
    const CatalogueEdit result = editor_.DeleteLibrary(programFolder_, FileField());
    FillFileList();
    if (editor_.catalogue().size() != before) {
        ShowFields();
    }
    Show(result);
}

void CLibraryManagerDlg::OnRename() {
    const CatalogueEdit result = editor_.Rename(NameField(), FileField());
    Show(result);
    if (result == CatalogueEdit::Done) {
        ShowFields();
    }
}

void CLibraryManagerDlg::OnMoveUp() {
    Show(editor_.MoveUp());
}

void CLibraryManagerDlg::OnMoveDown() {
    Show(editor_.MoveDown());
}

void CLibraryManagerDlg::OnRemove() {
    const CatalogueEdit result = editor_.Remove();
    Show(result);
    if (result == CatalogueEdit::Done) {
        ShowFields();
    }
}

// The import is complete on its own, as deleting a library file is: the new library file and
// its line in table.ini are written at once, and the entry is added to the catalogue being
// edited, so that leaving the manager without OK loses neither.
void CLibraryManagerDlg::OnImport() {
    const std::optional<QString> source = ChooseFile(this, ImportFileDialog());
    if (!source) {
        return;
    }
    const ImportRequest request{*source, {}, phonetics_};
    const LibraryCatalogue listed = editor_.catalogue();
    ImportResult result;
    RunWhileBusy(this, StringText(StringId::ImportRunning), [&] {
        result = ImportWordListIntoCatalogueFile(programFolder_, request, listed);
    });
    if (result.ok()) {
        editor_.Add(result.libraryName, result.fileName);
        ShowNames();
        FillFileList();
        ShowFields();
    }
    ShowMessage(this, ImportSummary(result));
}

// While another program holds the catalogue's lock the manager stays open, so that OK can be
// tried again.
void CLibraryManagerDlg::OnOk() {
    const CatalogueSave saved = SaveCatalogue(programFolder_, editor_);
    if (saved == CatalogueSave::Busy) {
        ShowMessage(this, StringText(StringId::CatalogueBusy));
        return;
    }
    if (saved == CatalogueSave::CannotWrite) {
        ShowMessage(this, StringText(StringId::WriteFileError));
    }
    accept();
}
