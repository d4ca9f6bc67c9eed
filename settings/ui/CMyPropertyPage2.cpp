#include "settings/ui/CMyPropertyPage2.h"

#include "controls/MessageBox.h"
#include "settings/FieldNumber.h"
#include "settings/ui/NumberField.h"
#include "settings/ui/SheetControls.h"
#include "strings/StringTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CMyPropertyPage2::CMyPropertyPage2(const BrowsePageValues& values, const QString& libraryName,
                                   qsizetype entryCount, QWidget* parent,
                                   std::optional<QString> memoryToday)
    : QWidget(parent), copiedIn_(values),
      inOrder_(WithId(new QRadioButton(StringText(StringId::RadioInOrder), this),
                      SheetControl::InOrder)),
      atRandom_(WithId(new QRadioButton(StringText(StringId::RadioAtRandom), this),
                       SheetControl::AtRandom)),
      grouping_(
          WithId(new QCheckBox(StringText(StringId::CheckGrouping), this), SheetControl::Grouping)),
      groupNumber_(Field(values.groupNumber, kMaxCount, SheetControl::GroupNumber)),
      groupSize_(Field(values.groupSize, kMaxCount, SheetControl::GroupSize)),
      groupRepeats_(Field(values.groupRepeats, kMaxCount, SheetControl::GroupRepeats)),
      seconds_(Field(values.seconds, kMaxSeconds, SheetControl::Seconds)) {
    auto* order = new QButtonGroup(this);
    order->addButton(inOrder_);
    order->addButton(atRandom_);
    (values.orderedBrowse ? inOrder_ : atRandom_)->setChecked(true);
    if (memoryToday) {
        byMemory_ = WithId(new QRadioButton(StringText(StringId::ReviewByMemory), this),
                           SheetControl::ByMemory);
        order->addButton(byMemory_);
        byMemory_->setChecked(values.byMemory);
        connect(byMemory_, &QRadioButton::toggled, this, &CMyPropertyPage2::ApplyEnablingRule);
    }
    grouping_->setChecked(values.grouping);
    connect(inOrder_, &QRadioButton::toggled, this, &CMyPropertyPage2::ApplyEnablingRule);
    connect(grouping_, &QCheckBox::toggled, this, &CMyPropertyPage2::ApplyEnablingRule);

    auto* browse = new QGroupBox(StringText(StringId::BrowseModeGroup), this);
    auto* browseRow = new QHBoxLayout(browse);
    browseRow->addWidget(inOrder_);
    browseRow->addWidget(atRandom_);
    if (byMemory_) {
        browseRow->addWidget(byMemory_);
    }
    browseRow->addWidget(grouping_);

    auto* groups = new QGroupBox(StringText(StringId::GroupSettingsGroup), this);
    auto* grid = new QGridLayout(groups);
    const auto addRow = [&](int row, QLabel* before, NumberField* field, QLabel* after) {
        grid->addWidget(before, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(after, row, 2);
    };
    QLabel* numberBefore = Label(StringId::GroupNumberBefore, SheetControl::GroupNumberBefore);
    QLabel* numberAfter = Label(StringId::GroupNumberAfter, SheetControl::GroupNumberAfter);
    QLabel* sizeBefore = Label(StringId::GroupSizeBefore, SheetControl::GroupSizeBefore);
    QLabel* sizeAfter = Label(StringId::GroupSizeAfter, SheetControl::GroupSizeAfter);
    QLabel* repeatsBefore = Label(StringId::GroupRepeatsBefore, SheetControl::GroupRepeatsBefore);
    QLabel* repeatsAfter = Label(StringId::GroupRepeatsAfter, SheetControl::GroupRepeatsAfter);
    addRow(0, numberBefore, groupNumber_, numberAfter);
    addRow(1, sizeBefore, groupSize_, sizeAfter);
    addRow(2, repeatsBefore, groupRepeats_, repeatsAfter);
    grid->setColumnStretch(3, 1);
    groupControls_ = {groupNumber_, numberBefore, numberAfter, groupSize_, sizeBefore, sizeAfter};
    repeatControls_ = {groupRepeats_, repeatsBefore, repeatsAfter};

    auto* secondsRow = new QHBoxLayout;
    secondsRow->addWidget(new QLabel(StringText(StringId::SecondsBefore), this));
    secondsRow->addWidget(seconds_);
    secondsRow->addWidget(new QLabel(StringText(StringId::SecondsAfter), this));
    secondsRow->addStretch();

    auto* libraryRow = new QHBoxLayout;
    libraryRow->addWidget(new QLabel(StringText(StringId::CurrentLibraryLabel), this));
    libraryRow->addWidget(WithId(new QLabel(libraryName, this), SheetControl::LibraryName));
    libraryRow->addStretch();
    libraryRow->addWidget(new QLabel(StringText(StringId::BrowseWordCountLabel), this));
    libraryRow->addWidget(
        WithId(new QLabel(QString::number(entryCount), this), SheetControl::EntryCount));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browse);
    layout->addWidget(groups);
    layout->addLayout(secondsRow);
    layout->addLayout(libraryRow);
    if (memoryToday) {
        layout->addWidget(WithId(new QLabel(*memoryToday, this), SheetControl::MemoryToday));
    }
    layout->addStretch();
    ApplyEnablingRule();
}

NumberField* CMyPropertyPage2::Field(std::int32_t number, std::int32_t maximum, int id) {
    auto* field = WithId(new NumberField(maximum, this), id);
    field->setNumber(number);
    return field;
}

QLabel* CMyPropertyPage2::Label(StringId text, int id) {
    return WithId(new QLabel(StringText(text), this), id);
}

// Without grouping no group field is usable; with it, the passes per group only count when
// browsing in order. The word memory's mode has no groups. The seconds are always usable.
void CMyPropertyPage2::ApplyEnablingRule() {
    const bool byMemory = byMemory_ && byMemory_->isChecked();
    grouping_->setEnabled(!byMemory);
    const bool grouping = grouping_->isChecked() && !byMemory;
    for (QWidget* control : std::as_const(groupControls_)) {
        control->setEnabled(grouping);
    }
    for (QWidget* control : std::as_const(repeatControls_)) {
        control->setEnabled(grouping && inOrder_->isChecked());
    }
}

// A greyed field takes no part in the options, so it is not checked: the user could not mend it.
NumberField* CMyPropertyPage2::FieldWithoutNumber() const {
    for (NumberField* field : {groupNumber_, groupSize_, groupRepeats_, seconds_}) {
        if (field->isEnabled() && !field->number()) {
            return field;
        }
    }
    return nullptr;
}

bool CMyPropertyPage2::FieldsHoldNumbers() const {
    return FieldWithoutNumber() == nullptr;
}

void CMyPropertyPage2::AskForNumber() {
    NumberField* field = FieldWithoutNumber();
    if (!field) {
        return;
    }
    ShowMessage(this, StringText(StringId::EnterAnInteger));
    field->setFocus();
    field->selectAll();
}

BrowsePageValues CMyPropertyPage2::values() const {
    BrowsePageValues values;
    values.byMemory = byMemory_ && byMemory_->isChecked();
    // The memory's mode leaves the record's way of browsing for when it is turned off.
    values.orderedBrowse = values.byMemory ? copiedIn_.orderedBrowse : inOrder_->isChecked();
    values.grouping = values.byMemory ? copiedIn_.grouping : grouping_->isChecked();
    values.groupNumber = groupNumber_->number().value_or(copiedIn_.groupNumber);
    values.groupSize = groupSize_->number().value_or(copiedIn_.groupSize);
    values.groupRepeats = groupRepeats_->number().value_or(copiedIn_.groupRepeats);
    values.seconds = seconds_->number().value_or(copiedIn_.seconds);
    return values;
}
