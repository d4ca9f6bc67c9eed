#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <optional>

class QFontDialog;
class QPushButton;

struct FontChoice {
    QFont font;
    QColor colour;
};

// The word font's chooser: Qt's font chooser (face, style, size, underline, strike-out) with a
// colour row below it, whose swatch opens the colour chooser, and OK and Cancel. The font chosen
// is the font in use with what the user changed; another family keeps the weight and slant in
// use where it has them.
class CFontChooserDlg : public QDialog {
    Q_OBJECT

public:
    CFontChooserDlg(const QFont& font, const QColor& colour, QWidget* parent = nullptr);

    // Runs the chooser modally: the font and colour chosen, nothing when it is cancelled.
    static std::optional<FontChoice> Run(QWidget* parent, const QFont& font, const QColor& colour);

    FontChoice choice() const;
    void setChoice(const FontChoice& choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepStyle(const QFont& font);
    void ChooseColour();
    void ShowColour();

    QFontDialog* fonts_;
    QPushButton* swatch_;
    QFont inUse_;   // the font given
    QFont shown_;   // as Qt's chooser first showed it
    QFont current_; // as Qt's chooser shows it now
    QColor colour_;
};
