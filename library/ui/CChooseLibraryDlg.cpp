#include "library/ui/CChooseLibraryDlg.h"

#include "controls/DialogButtons.h"
#include "controls/DialogPlacement.h"
#include "controls/MessageBox.h"
#include "library/LibraryPick.h"
#include "library/ui/LibraryTableModel.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// Column widths in pixels on a screen of 96 dots per inch: number, word, meaning.
constexpr std::array kColumnWidths{36, 70, 174};
constexpr int kTableHeight = 260;
// Above and below a line of text in a row of the table.
constexpr int kRowPadding = 2;
constexpr int kReferenceDpi = 96;

int Scaled(int pixels, int dpi) {
    return (pixels * dpi + kReferenceDpi / 2) / kReferenceDpi;
}

} // namespace

CChooseLibraryDlg::CChooseLibraryDlg(const QString& programFolder,
                                     const LibraryCatalogue& catalogue, const WordList& entries,
                                     QByteArrayView fileName, QByteArrayView displayName,
                                     QWidget* parent)
    : QDialog(parent), programFolder_(programFolder), catalogue_(catalogue), entries_(entries),
      fileName_(fileName.toByteArray()), displayName_(displayName.toByteArray()) {
    setWindowTitle(StringText(StringId::ChooseLibraryCaption));
    BuildControls();
    for (qsizetype i = 0; i < catalogue_.size(); ++i) {
        names_->addItem(DecodeLine(SplitCatalogueEntry(catalogue_.at(i)).name));
    }
    // The edit field shows the library in use; its name is the list's current item when the
    // catalogue holds it, so that leaving the field does not read that library again.
    const QString name = DecodeLine(displayName_);
    names_->setCurrentIndex(names_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    names_->setEditText(name);
    ShowEntries();
    // A name picked from the list, by mouse or by the arrow keys, loads that library; so does a
    // name of the list typed in full when the field is left or Enter is pressed.
    connect(names_, &QComboBox::activated, this, &CChooseLibraryDlg::OnPick);
    CenterOnScreen(this);
}

void CChooseLibraryDlg::BuildControls() {
    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("names"));
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    names_->setCompleter(nullptr);

    rows_ = new LibraryTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("entries"));
    table_->setModel(rows_);
    table_->setShowGrid(true);
    // Rows as tall as a line of the table's font needs, for a small font as for a large one.
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() +
                                                    2 * kRowPadding);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight); // a cut word or meaning ends in "…"
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setStretchLastSection(false);
    SizeColumns();

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(StringText(StringId::WordCountLabel), this));
    countRow->addWidget(count_);
    countRow->addStretch();

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(names_);
    layout->addWidget(table_);
    layout->addLayout(countRow);
    layout->addWidget(buttons);
    names_->setFocus();
}

// The widths were chosen for a screen of 96 dots per inch and grow with the screen's.
void CChooseLibraryDlg::SizeColumns() {
    const int dpi = table_->logicalDpiX();
    int tableWidth =
        2 * table_->frameWidth() + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (size_t column = 0; column < kColumnWidths.size(); ++column) {
        const int width = Scaled(kColumnWidths[column], dpi);
        table_->setColumnWidth(static_cast<int>(column), width);
        tableWidth += width;
    }
    table_->setMinimumSize(tableWidth, Scaled(kTableHeight, table_->logicalDpiY()));
}

// The combo box may report a pick when it loses the focus as the dialog goes.
CChooseLibraryDlg::~CChooseLibraryDlg() {
    names_->disconnect(this);
}

WordList CChooseLibraryDlg::TakeEntries() {
    return std::exchange(entries_, WordList());
}

void CChooseLibraryDlg::OnPick(int index) {
    if (index < 0 || index >= catalogue_.size()) {
        return;
    }
    // The list shown so far goes first, so that two large libraries are never held at once.
    entries_.clear();
    PickedLibrary picked = PickLibrary(programFolder_, catalogue_.at(index));
    fileName_ = std::move(picked.fileName);
    displayName_ = std::move(picked.displayName);
    entries_ = std::move(picked.entries);
    ShowEntries();
    if (picked.status == PickStatus::Missing) {
        ShowMessage(this, StringText(StringId::LibraryFileNotFound));
    } else if (picked.status == PickStatus::FileNameTooLong) {
        ShowMessage(this, StringText(StringId::NameTooLong));
    }
}

void CChooseLibraryDlg::ShowEntries() {
    count_->setText(QString::number(entries_.size()));
    rows_->SetEntries(entries_);
}
