// Mouse and keyboard of CLexadoDlg: dragging with snapping to the work area, the double-click
// action, stepping while paused, and the tooltip.

#include "recitation/ui/CLexadoDlg.h"

#include "recitation/ui/WindowGeometry.h"

#include "recitation/TooltipText.h"
#include "recitation/WindowSnap.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace {

// What a double-click does, as chosen in the settings.
enum DoubleClickAction { kDeleteWord = 0, kAddToNewWordBook = 1, kPause = 2, kReadAgain = 3 };

} // namespace

void CLexadoDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCursor(QCursor(QPixmap(QStringLiteral(":/pictures/drag-cursor.png")), 11, 11));
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void CLexadoDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        DragTo(event->globalPosition().toPoint());
    }
    setToolTip(TooltipText(settings_, library_.entryCount()));
}

void CLexadoDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        unsetCursor();
        StoreWindowRect();
    }
}

// Every proposed position is snapped to the work area of the screen under the pointer; the
// stored rectangle follows, so an entry shown during the drag stays where the window is.
void CLexadoDlg::DragTo(const QPoint& globalPosition) {
    const QPoint topLeft = globalPosition - dragOffset_;
    const WindowRect proposed = RectOf(QRect(topLeft, size()));
    QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (!screen) {
        screen = this->screen();
    }
    const WindowRect snapped = SnapToWorkArea(proposed, RectOf(screen->availableGeometry()));
    move(snapped.left, snapped.top);
    StoreWindowRect();
}

void CLexadoDlg::StoreWindowRect() {
    settings_.windowRect = RectOf(geometry());
}

void CLexadoDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        DoubleClickAction();
    }
}

void CLexadoDlg::DoubleClickAction() {
    switch (settings_.doubleClickAction) {
    case kDeleteWord:
        RunCommand(CommandId::DeleteWord);
        break;
    case kAddToNewWordBook:
        RunCommand(CommandId::AddToNewWordBook);
        break;
    case kPause:
        RunCommand(CommandId::Pause);
        break;
    case kReadAgain:
        RunCommand(CommandId::ReadAgain);
        break;
    default:
        break;
    }
}

void CLexadoDlg::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}

namespace {

bool IsStepKey(const QKeyEvent* event) {
    const int key = event->key();
    return !event->isAutoRepeat() &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

} // namespace

// Only a key pressed on this window steps: the release of the Return that chose a row of the
// context menu arrives here too, once the menu has closed.
void CLexadoDlg::keyPressEvent(QKeyEvent* event) {
    stepKeyDown_ = IsStepKey(event) ? event->key() : 0;
    QWidget::keyPressEvent(event);
}

// While paused, Enter or Space shows the next entry with its meaning at once.
void CLexadoDlg::keyReleaseEvent(QKeyEvent* event) {
    const bool pressedHere = IsStepKey(event) && event->key() == stepKeyDown_;
    stepKeyDown_ = 0;
    if (state_.paused && pressedHere) {
        engine_.NextEntry();
        state_.meaningShown = true;
        update();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
