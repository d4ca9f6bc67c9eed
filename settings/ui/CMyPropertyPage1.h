#pragma once

#include "settings/SheetValues.h"

#include <QWidget>

#include <cstdint>

class CStyledLabel;
class QCheckBox;

// The display page ("显示界面"): the word font with the text colour, the background and bar
// colours, each shown at once in the preview, and the display options.
class CMyPropertyPage1 : public QWidget {
    Q_OBJECT

public:
    explicit CMyPropertyPage1(const DisplayPageValues& values, QWidget* parent = nullptr);

    DisplayPageValues values() const;

private:
    void ChooseFont();
    // Asks for a colour, starting from `stored`; one chosen is stored and fills `sample`.
    void ChooseColour(std::uint32_t& stored, CStyledLabel* sample);
    void ShowFontInPreview();

    DisplayPageValues values_; // the colours and the font; the check boxes hold the rest
    CStyledLabel* preview_;
    CStyledLabel* barSample_;
    QCheckBox* fadeInMeaning_ = nullptr;
    QCheckBox* showMeaning_ = nullptr;
    QCheckBox* showProgressBar_ = nullptr;
    QCheckBox* oneLine_ = nullptr;
};
