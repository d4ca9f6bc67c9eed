// Mouse and keyboard of CLexadoDlg: dragging with snapping to the work area, the double-click
// action, stepping while paused, and the tooltip.

#include "recitation/ui/CLexadoDlg.h"

#include "memory/CardStateText.h"
#include "recitation/TooltipText.h"
#include "recitation/WindowSnap.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

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
    setToolTip(TipText());
}

// With the word memory's mode on, the tip tells where the word on show stands in it.
QString CLexadoDlg::TipText() const {
    const QString tip =
        TooltipText(engine_.settings(), engine_.entryCount(), engine_.pause().automaticCause());
    if (!memory_.settings().enabled || !memory_.isOpen()) {
        return tip;
    }
    return tip + u'\n' + CardStateText(memory_.CardOnShow(), QDateTime::currentDateTime());
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
    const QRect proposed(globalPosition - dragOffset_, size());
    QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (!screen) {
        screen = this->screen();
    }
    move(SnapToWorkArea(proposed, screen->availableGeometry()).topLeft());
    StoreWindowRect();
}

void CLexadoDlg::StoreWindowRect() {
    engine_.SetWindowRect(geometry());
}

void CLexadoDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnDoubleClick();
    }
}

void CLexadoDlg::OnDoubleClick() {
    switch (DoubleClickActionOf(engine_.settings())) {
    case DoubleClickAction::DeleteWord:
        RunCommand(CommandId::DeleteWord);
        break;
    case DoubleClickAction::AddToNewWordBook:
        RunCommand(CommandId::AddToNewWordBook);
        break;
    case DoubleClickAction::TogglePause:
        RunCommand(CommandId::Pause);
        break;
    case DoubleClickAction::ReadAgain:
        RunCommand(CommandId::ReadAgain);
        break;
    case DoubleClickAction::Nothing:
        break;
    }
}

void CLexadoDlg::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}

namespace {

bool IsStepKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

// F1 asks for help unless Shift is held.
void CLexadoDlg::keyPressEvent(QKeyEvent* event) {
    StepAfter(keyStrokes_.Press(event->key(), event->timestamp()));
    if (event->key() == Qt::Key_F1 && !event->modifiers().testFlag(Qt::ShiftModifier)) {
        ShowHelp();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CLexadoDlg::keyReleaseEvent(QKeyEvent* event) {
    StepAfter(keyStrokes_.Release(event->key(), event->timestamp()));
    strokeSettle_.start(KeyStrokes::kSettleMs);
    QWidget::keyReleaseEvent(event);
}

void CLexadoDlg::SettleKeyStroke() {
    StepAfter(keyStrokes_.Settle());
}

// While paused, a stroke of Enter or Space shows the next entry with its meaning at once: one
// step for each time the key is pressed, however long it is held.
void CLexadoDlg::StepAfter(std::optional<int> endedStroke) {
    if (endedStroke && IsStepKey(*endedStroke)) {
        engine_.StepWhilePaused();
    }
}
