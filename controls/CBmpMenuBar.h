#pragma once

#include "controls/MenuDescription.h"
#include "controls/MenuLayout.h"

#include <QFont>
#include <QPoint>
#include <QTimer>
#include <QWidget>

class CBmpMenu;
class QKeyEvent;

// The column of rows inside a CBmpMenu, one row per menu item, drawn by the menu's own rules.
// It keeps its own copy of the items. The menu window hands it the pointer and the keys; the
// bar highlights rows, opens sub-menus on hover, and chooses rows.
class CBmpMenuBar : public QWidget {
    Q_OBJECT

public:
    CBmpMenuBar(CBmpMenu* menu, const MenuDescription& items);

    const MenuDescription& items() const { return items_; }
    QSize columnSize() const { return layout_.columnSize; }
    QRect RowRect(int row) const { return layout_.rows.value(row); }
    // The row under a point of the bar; -1 on a separator or outside every row.
    int RowAt(QPoint pos) const;
    int hotRow() const { return hotRow_; }

    // Input handed on by the menu window (positions in the bar's coordinates).
    void PointerMoved(QPoint pos, QPoint globalPos);
    void PointerOff();
    void ButtonDown(QPoint pos);
    void KeyPressed(QKeyEvent* event);

    // The open sub-menu was closed from this level.
    void ResetLastPressed() { lastPressedIndex_ = -1; }
    // A sub-menu opened by a key starts with its first row that can be highlighted.
    void HighlightFirstRow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHotRow(int row);
    void Press(QPoint pos, bool byKeyboard);
    void ActOnRow(QPoint pos, bool byKeyboard);
    void OnHover();
    void MoveHighlight(int step);
    void ChooseByMnemonic(QChar key);
    QPoint RowCorner(int row) const { return RowRect(row).topLeft() + QPoint(1, 1); }

    CBmpMenu* menu_;
    MenuDescription items_;
    QFont font_;
    MenuLayout layout_;
    int hotRow_ = -1;           // the highlighted row, or -1
    int lastHotRow_ = -1;       // the row last highlighted; Return and Right act on it
    int lastPressedIndex_ = -1; // the row last pressed, whose sub-menu may be open
    int hoverIndex_ = -1;       // the row the pointer last came onto
    QPoint hoverPoint_;         // and where it was then
    QTimer hoverTimer_;
};
