#pragma once

#include "controls/StaticText.h"

#include <QColor>
#include <QCursor>
#include <QString>
#include <QWidget>

#include <optional>

// A label that looks and behaves as a web link: drawn in the link colour, in the hover colour
// while the pointer is over it and in the visited colour once its target has been opened; a
// pointing hand over it and a tooltip naming its target. A click opens the target (a web
// address or a mailto: link) with the desktop's default handler; when that fails, the desktop
// beeps, a box says why, and the link is not visited. The link keeps its whole interface,
// though the About box uses only part of it.
class CLinkStatic : public QWidget {
    Q_OBJECT

public:
    static constexpr QColor kLinkColour{0, 0, 238};
    static constexpr QColor kVisitedColour{85, 26, 139};

    // A link showing `text` that opens `target`. An empty target is the text itself, and an
    // empty text shows the target. `style` is a combination of StaticStyle bits: how the text
    // is aligned, and how the label fits to it.
    CLinkStatic(const QString& text, const QString& target, unsigned style = StaticStyle::Left,
                QWidget* parent = nullptr);

    // Also fits the link to its text, and shows the new target in the tooltip.
    void SetTarget(const QString& target);
    // No hover colour is the palette's highlight colour.
    void SetLinkColours(const QColor& link, const QColor& visited,
                        const std::optional<QColor>& hover = std::nullopt);
    void SetVisited(bool visited);
    // No pointer is the desktop's pointing hand.
    void SetPointer(const std::optional<QCursor>& pointer);
    void SetUnderlined(bool underlined);
    // With `fit`, the link's rectangle is fitted to its text at once, and again when it is
    // first shown and whenever its target is set: a Centre link keeps its middle, a Right link
    // its right edge, any other its left edge; a CentreImage link keeps its vertical middle,
    // any other its top.
    void SetFitToText(bool fit);

    // Opens the target, as a click does.
    void Open();

    QString text() const { return text_; }
    QString target() const { return target_; }
    QColor linkColour() const { return linkColour_; }
    QColor visitedColour() const { return visitedColour_; }
    QColor hoverColour() const;
    bool visited() const { return visited_; }
    QCursor pointer() const { return pointer_; }
    bool underlined() const { return underlined_; }
    bool fitToText() const { return fitToText_; }
    bool pointerOver() const { return pointerOver_; }
    // The colour the text is drawn in now.
    QColor currentColour() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Fit();
    QSize TextExtent() const;

    QString text_;
    QString target_;
    unsigned style_;
    QColor linkColour_ = kLinkColour;
    QColor visitedColour_ = kVisitedColour;
    std::optional<QColor> hoverColour_;
    bool pointerOver_ = false;
    bool visited_ = false;
    bool underlined_ = true;
    bool fitToText_ = true;
    bool fittedOnShow_ = false;
    QCursor pointer_{Qt::PointingHandCursor};
};
