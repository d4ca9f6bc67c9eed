#include "library/CatalogueEditor.h"

#include "library/DataFolder.h"

#include <algorithm>

CatalogueEditor::CatalogueEditor(LibraryCatalogue& catalogue) : catalogue_(catalogue) {
    Select(0);
}

void CatalogueEditor::Select(qsizetype index) {
    selected_ = (index >= 0 && index < catalogue_.size()) ? index : -1;
}

CatalogueEntry CatalogueEditor::SelectedEntry() const {
    if (selected_ < 0) {
        return {};
    }
    return SplitCatalogueEntry(catalogue_.at(selected_));
}

QByteArray CatalogueEditor::EntryLine(QByteArrayView name, QByteArrayView file) {
    QByteArray line;
    line.reserve(name.size() + 1 + file.size());
    line.append(name);
    line.append('#');
    line.append(file);
    return line;
}

// A name or file name that the settings record could only store cut short is refused here,
// rather than stored and later cut when the library is chosen.
CatalogueEdit CatalogueEditor::CheckNewEntry(QByteArrayView name, QByteArrayView file) const {
    if (name.size() > kLibraryNameBytes || file.size() > kLibraryNameBytes) {
        return CatalogueEdit::TooLong;
    }
    if (HoldsControlCharacter(name) || HoldsControlCharacter(file)) {
        return CatalogueEdit::ControlCharacter;
    }
    if (name.contains('#')) {
        return CatalogueEdit::HashInName;
    }
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::Add(QByteArrayView name, QByteArrayView file) {
    if (const CatalogueEdit check = CheckNewEntry(name, file); check != CatalogueEdit::Done) {
        return check;
    }
    if (ListsNameOrFile(catalogue_, name, file)) {
        return CatalogueEdit::AlreadyListed;
    }
    catalogue_.append(EntryLine(name, file));
    selected_ = catalogue_.size() - 1;
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::Rename(QByteArrayView name, QByteArrayView file) {
    if (selected_ < 0) {
        return CatalogueEdit::Nothing;
    }
    if (const CatalogueEdit check = CheckNewEntry(name, file); check != CatalogueEdit::Done) {
        return check;
    }
    removed_.append(catalogue_.entry(selected_));
    catalogue_.replace(selected_, EntryLine(name, file));
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::MoveUp() {
    if (selected_ <= 0) {
        return CatalogueEdit::Nothing;
    }
    catalogue_.swapEntries(selected_, selected_ - 1);
    --selected_;
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::MoveDown() {
    if (selected_ < 0 || selected_ >= catalogue_.size() - 1) {
        return CatalogueEdit::Nothing;
    }
    catalogue_.swapEntries(selected_, selected_ + 1);
    ++selected_;
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::Remove() {
    if (catalogue_.size() < 2) {
        return CatalogueEdit::LastLibrary;
    }
    if (selected_ < 0) {
        return CatalogueEdit::Nothing;
    }
    removed_.append(catalogue_.entry(selected_));
    catalogue_.removeAt(selected_);
    selected_ = std::min(selected_, catalogue_.size() - 1);
    return CatalogueEdit::Done;
}

CatalogueEdit CatalogueEditor::DeleteLibrary(const QString& programFolder, QByteArrayView file) {
    if (catalogue_.size() < 2) {
        return CatalogueEdit::LastLibrary;
    }
    const QByteArray fileName = file.toByteArray(); // the view may point into the catalogue
    DiscardLibraryFile(programFolder, fileName);    // a file that cannot go stays where it is
    // Entries that follow each other and name the same file are all removed: the index stays
    // put after a removal.
    for (qsizetype i = 0; i < catalogue_.size();) {
        if (SplitCatalogueEntry(catalogue_.at(i)).file != fileName) {
            ++i;
            continue;
        }
        Select(i);
        if (Remove() == CatalogueEdit::LastLibrary) {
            return CatalogueEdit::LastLibrary;
        }
    }
    return CatalogueEdit::Done;
}

void CatalogueEditor::TakeLinesAddedElsewhere(const LibraryCatalogue& onDisk) {
    const QList<QByteArray> held = catalogue_.toList();
    for (qsizetype i = 0; i < onDisk.size(); ++i) {
        const QByteArray line = onDisk.entry(i);
        if (!held.contains(line) && !removed_.contains(line)) {
            catalogue_.append(line);
        }
    }
}
