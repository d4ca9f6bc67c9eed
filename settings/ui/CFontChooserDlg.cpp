#include "settings/ui/CFontChooserDlg.h"

#include "controls/DialogButtons.h"
#include "strings/StringTable.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

// The style of `family` that draws `font`'s weight and slant at normal width. Qt's chooser
// looks a font's style up by a name such as "Normal", which families that call it "Book" or
// "Roman" lack, and would then pick their first style, perhaps a condensed italic.
QString MatchingStyle(const QString& family, const QFont& font) {
    static const QStringList kWidths{"Condensed", "Compressed", "Narrow", "Expanded", "Wide"};
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 12);
        const bool otherWidth = std::any_of(kWidths.begin(), kWidths.end(), [&](const QString& w) {
            return style.contains(w, Qt::CaseInsensitive);
        });
        const int distance = std::abs(candidate.weight() - font.weight()) +
                             (candidate.italic() != font.italic() ? 2000 : 0) +
                             (otherWidth ? 1000 : 0);
        if (distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

// The font as the chooser should show it: the family the font really resolves to, in the
// style that matches it.
QFont ShownFont(const QFont& font) {
    QFont shown = font;
    const QString family = QFontInfo(font).family();
    shown.setFamilies({family});
    shown.setStyleName(MatchingStyle(family, font));
    return shown;
}

// `inUse` with what the user changed in the chooser, which showed `shown` at first and shows
// `current` now. What was not changed stays as `inUse` has it: the chooser shows a family that
// stands in for a missing one, and sizes in whole points.
QFont ChosenFont(const QFont& inUse, const QFont& shown, const QFont& current) {
    QFont chosen = inUse;
    if (current.family() != shown.family()) {
        chosen.setFamily(current.family());
    }
    if (current.weight() != shown.weight() || current.italic() != shown.italic()) {
        chosen.setWeight(current.weight());
        chosen.setItalic(current.italic());
    }
    if (current.pointSizeF() != shown.pointSizeF()) {
        chosen.setPointSizeF(current.pointSizeF());
    }
    if (current.underline() != shown.underline()) {
        chosen.setUnderline(current.underline());
    }
    if (current.strikeOut() != shown.strikeOut()) {
        chosen.setStrikeOut(current.strikeOut());
    }
    return chosen;
}

} // namespace

CFontChooserDlg::CFontChooserDlg(const QFont& font, const QColor& colour, QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(this)), swatch_(new QPushButton(this)), inUse_(font),
      colour_(colour) {
    setWindowTitle(StringText(StringId::FontChooserCaption));
    // Qt's chooser, without buttons of its own, as a part of this dialog.
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setCurrentFont(ShownFont(font));
    shown_ = current_ = fonts_->currentFont();
    connect(fonts_, &QFontDialog::currentFontChanged, this, &CFontChooserDlg::KeepStyle);
    // Escape in the chooser ends it as a dialog, and Return would end nothing: let both end
    // this one instead.
    connect(fonts_, &QDialog::finished, this, &QDialog::done);
    fonts_->installEventFilter(this);

    auto* colourLabel = new QLabel(StringText(StringId::FontChooserColour), this);
    colourLabel->setBuddy(swatch_);
    swatch_->setIconSize(QSize(48, fontMetrics().height()));
    ShowColour();
    connect(swatch_, &QPushButton::clicked, this, &CFontChooserDlg::ChooseColour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(swatch_);
    colourRow->addStretch();

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

std::optional<FontChoice> CFontChooserDlg::Run(QWidget* parent, const QFont& font,
                                               const QColor& colour) {
    CFontChooserDlg dialog(font, colour, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

FontChoice CFontChooserDlg::choice() const {
    return {ChosenFont(inUse_, shown_, fonts_->currentFont()), colour_};
}

void CFontChooserDlg::setChoice(const FontChoice& choice) {
    {
        const QSignalBlocker blocker(fonts_);
        fonts_->setCurrentFont(ShownFont(choice.font));
    }
    current_ = fonts_->currentFont();
    colour_ = choice.colour;
    ShowColour();
}

// Qt's chooser gives a family just chosen the style of the same name, or else its first style,
// perhaps an italic one: it gets the style nearest to the weight and slant in use instead. Set
// once Qt's chooser has finished its own change.
void CFontChooserDlg::KeepStyle(const QFont& font) {
    const QFont before = std::exchange(current_, font);
    if (font.family() == before.family()) {
        return;
    }
    QFont kept = font;
    kept.setStyleName(MatchingStyle(font.family(), before));
    if (kept.styleName() != font.styleName()) {
        QMetaObject::invokeMethod(
            fonts_, [this, kept] { fonts_->setCurrentFont(kept); }, Qt::QueuedConnection);
    }
}

bool CFontChooserDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fonts_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CFontChooserDlg::ChooseColour() {
    const QColor colour = QColorDialog::getColor(colour_, this);
    if (colour.isValid()) {
        colour_ = colour;
        ShowColour();
    }
}

void CFontChooserDlg::ShowColour() {
    QPixmap sample(swatch_->iconSize());
    sample.fill(colour_);
    swatch_->setIcon(sample);
}
