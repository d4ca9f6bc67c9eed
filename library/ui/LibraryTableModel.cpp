#include "library/ui/LibraryTableModel.h"

#include "library/LineFields.h"
#include "strings/StringTable.h"
#include "strings/TextCodec.h"

#include <algorithm>
#include <array>

namespace {

enum Column { NumberColumn, WordColumn, MeaningColumn, ColumnCount };

constexpr std::array kHeaders{StringId::ColumnNumber, StringId::ColumnWord,
                              StringId::ColumnMeaning};

QVariant LeftAligned() {
    return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

LibraryTableModel::LibraryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void LibraryTableModel::SetEntries(const WordList& entries) {
    beginResetModel();
    rows_.clear();
    const qsizetype rows = std::min(entries.size(), kMostRows);
    for (qsizetype i = 0; i < rows; ++i) {
        rows_.append(entries.at(i));
    }
    endResetModel();
}

int LibraryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LibraryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return LeftAligned();
    }
    if (role == Qt::UserRole && index.column() == NumberColumn) {
        return index.row();
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case NumberColumn:
        return QString::number(index.row() + 1);
    case WordColumn:
        return DecodeFields(rows_.at(index.row())).word;
    case MeaningColumn:
        return DecodeFields(rows_.at(index.row())).meaning;
    default:
        return {};
    }
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return LeftAligned();
    }
    if (role == Qt::DisplayRole) {
        return StringText(kHeaders[static_cast<size_t>(section)]);
    }
    return {};
}
