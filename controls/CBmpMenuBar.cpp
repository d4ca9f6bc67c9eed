#include "controls/CBmpMenuBar.h"

#include "controls/CBmpMenu.h"
#include "controls/MenuColours.h"
#include "controls/MenuMnemonic.h"
#include "controls/MenuRowDrawing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Where the pointer last moved, over any bar. A window appearing under a resting pointer
// brings a move to the same place, which must not take the highlight from the keyboard.
QPoint lastPointerPos;

} // namespace

CBmpMenuBar::CBmpMenuBar(CBmpMenu* menu, const MenuDescription& items)
    : QWidget(menu), menu_(menu), items_(items), font_(QApplication::font("QMenu")),
      layout_(LayOutMenu(items_, QFontMetrics(font_))) {
    setFont(font_);
    // The menu window takes every mouse event and hands the bar what concerns it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hoverTimer_.setSingleShot(true);
    hoverTimer_.setInterval(0);
    connect(&hoverTimer_, &QTimer::timeout, this, &CBmpMenuBar::OnHover);
}

int CBmpMenuBar::RowAt(QPoint pos) const {
    for (int row = 0; row < layout_.rows.size(); ++row) {
        if (layout_.rows.at(row).contains(pos)) {
            return items_.at(row).type == MenuItem::Type::Separator ? -1 : row;
        }
    }
    return -1;
}

void CBmpMenuBar::SetHotRow(int row) {
    if (row == hotRow_) {
        return;
    }
    update(RowRect(hotRow_));
    hotRow_ = row;
    update(RowRect(hotRow_));
    if (row >= 0 && row != lastHotRow_) {
        lastHotRow_ = row;
        menu_->NotifySelect(row);
    }
}

void CBmpMenuBar::HighlightFirstRow() {
    MoveHighlight(1);
}

void CBmpMenuBar::PointerMoved(QPoint pos, QPoint globalPos) {
    if (globalPos == lastPointerPos) {
        return;
    }
    lastPointerPos = globalPos;
    const int row = RowAt(pos);
    if (row < 0 || !items_.at(row).CanHighlight()) {
        return;
    }
    if (row != hoverIndex_) {
        hoverIndex_ = row;
        hoverPoint_ = pos;
        hoverTimer_.start();
    }
    SetHotRow(row);
}

// The highlight goes with the pointer, except from a row whose sub-menu is open.
void CBmpMenuBar::PointerOff() {
    hoverTimer_.stop();
    const bool subMenuOpen = menu_->child() && hotRow_ == lastPressedIndex_;
    if (!subMenuOpen) {
        SetHotRow(-1);
    }
}

void CBmpMenuBar::OnHover() {
    if (hoverIndex_ < 0) {
        return;
    }
    if (items_.at(hoverIndex_).type == MenuItem::Type::SubMenu) {
        Press(hoverPoint_, false);
    } else {
        menu_->CloseChildren();
        lastPressedIndex_ = -1;
    }
}

void CBmpMenuBar::ButtonDown(QPoint pos) {
    Press(pos, false);
}

// A press closes the open sub-menu and acts on the row once the press has been handled, as a
// posted message would; the row whose sub-menu is open ignores it.
void CBmpMenuBar::Press(QPoint pos, bool byKeyboard) {
    const int row = RowAt(pos);
    if (row < 0 || !items_.at(row).CanHighlight() || row == lastPressedIndex_) {
        return;
    }
    menu_->CloseChildren();
    QMetaObject::invokeMethod(
        this, [this, pos, byKeyboard] { ActOnRow(pos, byKeyboard); }, Qt::QueuedConnection);
    lastPressedIndex_ = row;
}

void CBmpMenuBar::ActOnRow(QPoint pos, bool byKeyboard) {
    const int row = RowAt(pos);
    if (row < 0 || !menu_->isOpen()) {
        return;
    }
    if (items_.at(row).type == MenuItem::Type::SubMenu) {
        menu_->OpenSubMenu(row, byKeyboard);
    } else {
        menu_->Choose(items_.at(row).command);
    }
}

void CBmpMenuBar::KeyPressed(QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        // Return chooses a command or opens a sub-menu, Right only opens one.
        if (lastHotRow_ >= 0 &&
            (key != Qt::Key_Right || items_.at(lastHotRow_).type == MenuItem::Type::SubMenu)) {
            lastPressedIndex_ = -1;
            Press(RowCorner(lastHotRow_), true);
        }
        return;
    case Qt::Key_Escape:
        menu_->CloseAll();
        return;
    case Qt::Key_Left:
        menu_->CloseFromParent();
        return;
    default:
        break;
    }
    if (key > 0 && key < 0x10000 && QChar(key).isPrint()) {
        ChooseByMnemonic(QChar(key));
    }
    if (key == Qt::Key_Down) {
        MoveHighlight(1);
    } else if (key == Qt::Key_Up) {
        MoveHighlight(-1);
    }
}

void CBmpMenuBar::ChooseByMnemonic(QChar key) {
    const MnemonicMatch match = MatchMnemonic(items_, key, hotRow_);
    switch (match.kind) {
    case MnemonicMatch::Kind::None:
        menu_->KeyWithoutMnemonic(key);
        break;
    case MnemonicMatch::Kind::One:
        SetHotRow(match.row);
        Press(RowCorner(match.row), false);
        break;
    case MnemonicMatch::Kind::Several:
        SetHotRow(match.row);
        break;
    }
}

// Down and Up go round the rows that can be highlighted.
void CBmpMenuBar::MoveHighlight(int step) {
    const int count = static_cast<int>(items_.size());
    int row = hotRow_;
    for (int tries = 0; tries < count; ++tries) {
        if (row < 0) {
            row = step > 0 ? 0 : count - 1;
        } else {
            row = (row + step + count) % count;
        }
        if (items_.at(row).CanHighlight()) {
            SetHotRow(row);
            return;
        }
    }
}

void CBmpMenuBar::paintEvent(QPaintEvent* /*event*/) {
    const MenuColours colours = MenuColoursOf(palette());
    QPainter painter(this);
    painter.fillRect(rect(), colours.buttonHighlight);
    painter.setFont(font_);
    for (int row = 0; row < items_.size(); ++row) {
        const MenuItem& item = items_.at(row);
        if (item.type == MenuItem::Type::Separator) {
            DrawMenuSeparator(painter, RowRect(row), colours);
        } else {
            DrawMenuRow(painter, item, RowRect(row), row == hotRow_, colours, layout_);
        }
    }
}
