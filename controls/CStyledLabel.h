#pragma once

#include "controls/LabelRules.h"
#include "controls/StaticText.h"

#include <QBasicTimer>
#include <QColor>
#include <QCursor>
#include <QString>
#include <QWidget>

#include <optional>

// A label that paints its text in colours and a font of its own: the colour and font samples
// of the settings sheet and the lines of the About box. Until they are set, its colours are the
// palette's window text and button colours, and follow a change of the palette. It can also blink
// its text or its colours, draw its text embossed or turned, and open its text with the desktop's
// default handler when clicked.
//
// Every setter repaints the label and returns it, so that calls can be chained:
//     label.SetTextColour(Qt::red).SetFaceName("Serif").SetPointSize(12);
// The label keeps its whole set of setters, though the program's pages call only a few.
class CStyledLabel : public QWidget {
    Q_OBJECT

public:
    // `style` is a combination of StaticStyle bits; it sets how the text is aligned and wrapped.
    explicit CStyledLabel(const QString& text = {}, unsigned style = StaticStyle::Left,
                          QWidget* parent = nullptr);

    CStyledLabel& SetBackColour(const QColor& colour);
    CStyledLabel& SetTextColour(const QColor& colour);
    CStyledLabel& SetLabelText(const QString& text);
    CStyledLabel& SetBold(bool on);
    CStyledLabel& SetFaceName(const QString& family);
    CStyledLabel& SetUnderline(bool on);
    CStyledLabel& SetItalic(bool on);
    // A font of that many points on this screen, in whole pixels; 0 is the default size.
    CStyledLabel& SetPointSize(int points);
    // A sunken one-pixel edge inside the label's rectangle.
    CStyledLabel& SetStaticEdge(bool on);
    // A one-pixel line round the label, outside the edge.
    CStyledLabel& SetFrameBorder(bool on);
    // Leaves the background unpainted, so that what is behind the label shows.
    CStyledLabel& SetNoBackground(bool on);
    // Blinking, every half second: the text alone, or the text and background colours
    // swapping. Either one turned on replaces the other; turned off, the label shows its own
    // colours again.
    CStyledLabel& BlinkText(bool on);
    CStyledLabel& BlinkBackground(bool on);
    // With `on`, a left click on the label opens its text with the desktop's default handler
    // when `openWithShell` is set, and emits clicked() otherwise; without it, clicks pass to
    // the window behind.
    CStyledLabel& SetClickAction(bool on, bool openWithShell);
    // The pointer over the label; none is the window's own.
    CStyledLabel& SetHoverCursor(const std::optional<QCursor>& cursor);
    // A white copy of the text one pixel down and right (raised) or up and left (sunk).
    CStyledLabel& SetEmboss(bool on, bool raised);
    // With `on`, one line of text turned `degrees` anticlockwise about the label's middle.
    CStyledLabel& SetAngle(int degrees, bool on);

    QString text() const { return text_; }
    QColor textColour() const;
    QColor backColour() const;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CStyledLabel& ChangeFont(const QFont& changed);
    void StartBlinking(BlinkKind kind);
    void UpdateMargins();
    void DrawFrame(QPainter& painter) const;
    void DrawText(QPainter& painter, const QRect& box, const QColor& colour) const;

    QString text_;
    unsigned style_;
    std::optional<QColor> textColour_; // the palette's window text until set
    std::optional<QColor> backColour_; // the palette's button colour until set
    bool transparent_ = false;
    bool staticEdge_ = false;
    bool frameBorder_ = false;
    QBasicTimer blinkTimer_;
    BlinkKind blinkKind_ = BlinkKind::None;
    bool flashOn_ = false;
    bool emboss_ = false;
    bool embossRaised_ = false;
    bool rotated_ = false;
    int angle_ = 0;
    bool clickAction_ = false;
    bool openWithShell_ = false;
};
