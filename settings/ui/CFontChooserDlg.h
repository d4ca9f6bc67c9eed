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
// colour row below it, whose swatch opens the colour chooser, and OK and Cancel.
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
    void ChooseColour();
    void ShowColour();

    QFontDialog* fonts_;
    QPushButton* swatch_;
    QColor colour_;
};
