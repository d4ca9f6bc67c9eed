#include "settings/ui/CMyPropertyPage1.h"

#include "controls/CStyledLabel.h"
#include "controls/StaticText.h"
#include "settings/ui/CFontChooserDlg.h"
#include "settings/ui/FontAndColour.h"
#include "settings/ui/SheetControls.h"
#include "strings/StringTable.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* CheckBox(StringId text, int id, bool checked, QWidget* parent) {
    auto* box = WithId(new QCheckBox(StringText(text), parent), id);
    box->setChecked(checked);
    return box;
}

// The preview is as high as 30 and the bar sample as 4 of the page's dialog units (an eighth of
// its font's height each).
int DialogUnitsHigh(const QWidget* widget, int units) {
    return widget->fontMetrics().height() * units / 8;
}

} // namespace

CMyPropertyPage1::CMyPropertyPage1(const DisplayPageValues& values, QWidget* parent)
    : QWidget(parent), values_(values),
      preview_(WithId(new CStyledLabel(StringText(StringId::PreviewText),
                                       StaticStyle::Centre | StaticStyle::CentreImage, this),
                      SheetControl::Preview)),
      barSample_(WithId(new CStyledLabel({}, StaticStyle::Left, this), SheetControl::BarSample)) {
    preview_->setFixedHeight(DialogUnitsHigh(this, 30));
    preview_->SetBackColour(ColorFromColorRef(values_.backColor))
        .SetTextColour(ColorFromColorRef(values_.textColor));
    ShowFontInPreview();
    barSample_->setFixedHeight(DialogUnitsHigh(this, 4));
    barSample_->SetBackColour(ColorFromColorRef(values_.barColor));

    auto* chooseFont = WithId(new QPushButton(StringText(StringId::ButtonChooseFont), this),
                              SheetControl::ChooseFont);
    auto* chooseBack = WithId(new QPushButton(StringText(StringId::ButtonBackColour), this),
                              SheetControl::BackColour);
    auto* chooseBar = WithId(new QPushButton(StringText(StringId::ButtonBarColour), this),
                             SheetControl::BarColour);
    connect(chooseFont, &QPushButton::clicked, this, &CMyPropertyPage1::ChooseFont);
    connect(chooseBack, &QPushButton::clicked, this,
            [this] { ChooseColour(values_.backColor, preview_); });
    connect(chooseBar, &QPushButton::clicked, this,
            [this] { ChooseColour(values_.barColor, barSample_); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chooseFont);
    buttons->addStretch();
    buttons->addWidget(chooseBack);
    buttons->addStretch();
    buttons->addWidget(chooseBar);

    // The options are made after the buttons, so that the tab key reaches them in this order.
    fadeInMeaning_ = CheckBox(StringId::CheckFadeInMeaning, SheetControl::FadeInMeaning,
                              values.fadeInMeaning, this);
    showMeaning_ =
        CheckBox(StringId::CheckShowMeaning, SheetControl::ShowMeaning, values.showMeaning, this);
    showProgressBar_ = CheckBox(StringId::CheckProgressBar, SheetControl::ProgressBar,
                                values.showProgressBar, this);
    oneLine_ = CheckBox(StringId::CheckOneLine, SheetControl::OneLine, values.oneLine, this);
    auto* options = new QGroupBox(StringText(StringId::DisplayOptionsGroup), this);
    auto* grid = new QGridLayout(options);
    grid->addWidget(fadeInMeaning_, 0, 0);
    grid->addWidget(showMeaning_, 0, 1);
    grid->addWidget(showProgressBar_, 1, 0);
    grid->addWidget(oneLine_, 1, 1);

    auto* layout = new QVBoxLayout(this);
    auto* samples = new QVBoxLayout;
    samples->setSpacing(0);
    samples->addWidget(preview_);
    samples->addWidget(barSample_);
    layout->addLayout(samples);
    layout->addLayout(buttons);
    layout->addWidget(options);
    layout->addStretch();
}

DisplayPageValues CMyPropertyPage1::values() const {
    DisplayPageValues values = values_;
    values.fadeInMeaning = fadeInMeaning_->isChecked();
    values.showMeaning = showMeaning_->isChecked();
    values.showProgressBar = showProgressBar_->isChecked();
    values.oneLine = oneLine_->isChecked();
    return values;
}

// The preview draws the word in the font the window will use: face, height, weight and effects.
void CMyPropertyPage1::ShowFontInPreview() {
    preview_->setFont(FontFromLogFont(values_.wordFont, ScreenFontScale()));
}

// A font left as it was is not written back, which could still change its record (a height of
// 0, a weight left to the system).
void CMyPropertyPage1::ChooseFont() {
    const qreal scale = ScreenFontScale();
    const QFont inUse = FontFromLogFont(values_.wordFont, scale);
    const std::optional<FontChoice> choice =
        CFontChooserDlg::Run(this, inUse, ColorFromColorRef(values_.textColor));
    if (!choice) {
        return;
    }
    if (choice->font != inUse) {
        StoreFont(choice->font, values_.wordFont, scale);
    }
    values_.textColor = ColorRefFromColor(choice->colour);
    ShowFontInPreview();
    preview_->SetTextColour(choice->colour);
}

void CMyPropertyPage1::ChooseColour(std::uint32_t& stored, CStyledLabel* sample) {
    const QColor colour = QColorDialog::getColor(ColorFromColorRef(stored), this);
    if (colour.isValid()) {
        stored = ColorRefFromColor(colour);
        sample->SetBackColour(colour);
    }
}
