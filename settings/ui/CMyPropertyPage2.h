#pragma once

#include "settings/SheetValues.h"
#include "strings/StringIds.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class NumberField;
class QCheckBox;
class QLabel;
class QRadioButton;

// The browse-mode page ("浏览方式"): in order or at random, grouping and its group number,
// group size and passes per group, the seconds per word, and the library on show with its
// number of entries. The group fields are usable only with grouping on, the passes only when
// browsing in order. With a word memory (`memoryToday`, its counts of today) a third mode,
// "按记忆复习", greys grouping and its fields out.
class CMyPropertyPage2 : public QWidget {
    Q_OBJECT

public:
    CMyPropertyPage2(const BrowsePageValues& values, const QString& libraryName,
                     qsizetype entryCount, QWidget* parent = nullptr,
                     std::optional<QString> memoryToday = std::nullopt);

    // Whether each usable field holds a number it takes; the page is not left otherwise.
    bool FieldsHoldNumbers() const;
    // Asks for an integer and puts the focus on the first usable field that holds no number.
    void AskForNumber();

    // The page's values; a field that holds no number keeps the value copied in.
    BrowsePageValues values() const;

private:
    NumberField* Field(std::int32_t number, std::int32_t maximum, int id);
    QLabel* Label(StringId text, int id);
    void ApplyEnablingRule();
    NumberField* FieldWithoutNumber() const;

    BrowsePageValues copiedIn_;
    QRadioButton* inOrder_;
    QRadioButton* atRandom_;
    QRadioButton* byMemory_ = nullptr;
    QCheckBox* grouping_;
    NumberField* groupNumber_;
    NumberField* groupSize_;
    NumberField* groupRepeats_;
    NumberField* seconds_;
    QList<QWidget*> groupControls_;  // the number and size fields and their labels
    QList<QWidget*> repeatControls_; // the passes field and its labels
};
