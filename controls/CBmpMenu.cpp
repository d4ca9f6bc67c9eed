#include "controls/CBmpMenu.h"

#include "controls/CBmpMenuBar.h"
#include "controls/MenuColours.h"
#include "controls/MenuPlacement.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

#include <utility>

namespace {

// The raised frame around a menu window.
constexpr int kFrame = 3;

} // namespace

CBmpMenu::CBmpMenu(int stripWidth, bool stripForSubMenus, const QImage& stripPicture,
                   bool stretchStrip)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      stripPicture_(stripPicture), stripWidth_(stripWidth), stretchStrip_(stretchStrip),
      stripForSubMenus_(stripForSubMenus) {
    // A click outside the menus closes them and goes no further.
    setAttribute(Qt::WA_NoMouseReplay);
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    setMouseTracking(true);
}

bool CBmpMenu::Track(QPoint at, QWidget* owner) {
    if (!owner) {
        return false;
    }
    emit initMenu(this);
    // An owner that goes away takes its menu with it.
    const auto ownerGone = connect(owner, &QObject::destroyed, this, &CBmpMenu::CloseAll);
    owner->window()->activateWindow();
    Run(at, nullptr);
    disconnect(ownerGone);
    if (const std::optional<int> command = std::exchange(chosen_, std::nullopt)) {
        emit commandChosen(*command);
    }
    return true;
}

// Shows this level and runs its loop until CloseAll or CloseChildren ends it. A sub-menu runs
// inside its parent's loop, so the levels return innermost first.
void CBmpMenu::Run(QPoint at, const QRect* parentRow) {
    if (parent_) {
        parent_->child_ = this;
    }
    itemBar_ = new CBmpMenuBar(this, menu_);
    PlaceWindow(at, parentRow);
    open_ = true;
    show();
    if (std::exchange(openedByKeyboard_, false)) {
        itemBar_->HighlightFirstRow();
    }
    emit Top()->enterMenuLoop(this);

    QEventLoop loop;
    loop_ = &loop;
    if (open_) {
        loop.exec();
    }
    loop_ = nullptr;
    open_ = false; // also when the application quit the loop

    delete std::exchange(itemBar_, nullptr);
    hide();
    if (parent_ && parent_->child_ == this) {
        parent_->child_ = nullptr;
    }
    emit Top()->exitMenuLoop(this);
}

// The window holds the frame, the strip and the item column; it opens where the placement
// rules say, on the screen's available area.
void CBmpMenu::PlaceWindow(QPoint at, const QRect* parentRow) {
    const QSize column = itemBar_->columnSize();
    const QSize size(column.width() + stripWidth_ + 2 * kFrame, column.height() + 2 * kFrame);
    const QPoint anchor = parentRow ? parentRow->center() : at;
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect desktop = screen->availableGeometry();
    const QPoint topLeft =
        parentRow ? PlaceSubMenu(*parentRow, size, desktop) : PlaceTopLevelMenu(at, size, desktop);
    setScreen(screen);
    setGeometry(QRect(topLeft, size));
    itemBar_->setGeometry(QRect(QPoint(kFrame + stripWidth_, kFrame), column));
}

void CBmpMenu::CloseAll() {
    if (parent_) {
        parent_->CloseAll();
    }
    if (open_) {
        CloseChildren();
        EndLoop();
    }
}

void CBmpMenu::CloseChildren() {
    if (child_) {
        child_->CloseChildren();
        child_->EndLoop();
        child_ = nullptr;
    }
}

// A closed level leaves the screen at once; its Track returns when the loops unwind.
void CBmpMenu::EndLoop() {
    open_ = false;
    if (loop_) {
        loop_->exit();
    }
    hide();
}

CBmpMenu* CBmpMenu::Top() {
    CBmpMenu* menu = this;
    while (menu->parent_) {
        menu = menu->parent_;
    }
    return menu;
}

CBmpMenu* CBmpMenu::Deepest() {
    CBmpMenu* menu = this;
    while (menu->child_) {
        menu = menu->child_;
    }
    return menu;
}

// The open level whose window holds the point, the deepest first; none outside every level.
CBmpMenu* CBmpMenu::LevelAt(QPoint globalPos) {
    for (CBmpMenu* level = Top()->Deepest(); level; level = level->parent_) {
        if (level->isVisible() && level->geometry().contains(globalPos)) {
            return level;
        }
    }
    return nullptr;
}

// The open popup takes every pointer event, over its parents too; each level's bar is given
// the pointer when it is over that bar.
void CBmpMenu::RoutePointer(QPoint globalPos) {
    CBmpMenu* level = LevelAt(globalPos);
    if (!level) {
        Top()->Deepest()->itemBar_->PointerOff();
        return;
    }
    CBmpMenuBar* bar = level->itemBar_;
    const QPoint pos = bar->mapFromGlobal(globalPos);
    if (bar->rect().contains(pos)) {
        bar->PointerMoved(pos, globalPos);
    } else {
        bar->PointerOff();
    }
}

void CBmpMenu::mouseMoveEvent(QMouseEvent* event) {
    if (open_) {
        RoutePointer(event->globalPosition().toPoint());
    }
}

// A press outside every level closes them all; a left press on a row acts on it.
void CBmpMenu::mousePressEvent(QMouseEvent* event) {
    if (!open_) {
        return;
    }
    const QPoint globalPos = event->globalPosition().toPoint();
    CBmpMenu* level = LevelAt(globalPos);
    if (!level) {
        CloseAll();
        return;
    }
    CBmpMenuBar* bar = level->itemBar_;
    const QPoint pos = bar->mapFromGlobal(globalPos);
    if (event->button() == Qt::LeftButton && bar->rect().contains(pos)) {
        bar->ButtonDown(pos);
    }
}

void CBmpMenu::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// Keys go to the deepest open level; a key with Alt closes every menu.
void CBmpMenu::keyPressEvent(QKeyEvent* event) {
    if (!open_) {
        return;
    }
    if (event->key() == Qt::Key_Alt || event->modifiers().testFlag(Qt::AltModifier)) {
        CloseAll();
        return;
    }
    Deepest()->itemBar_->KeyPressed(event);
}

// Closed from outside, as when another application becomes active: every level closes.
void CBmpMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    if (open_) {
        CloseAll();
    }
}

void CBmpMenu::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), MenuColoursOf(palette()).buttonHighlight);
    qDrawWinPanel(&painter, rect(), palette(), false);
    painter.setPen(palette().color(QPalette::Button));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
    if (stripPicture_.isNull() || stripWidth_ <= 0) {
        return;
    }
    const QRect strip(kFrame, kFrame, stripWidth_, height() - 2 * kFrame);
    if (stretchStrip_) {
        painter.drawImage(strip, stripPicture_);
    } else {
        painter.drawTiledPixmap(strip, QPixmap::fromImage(stripPicture_));
    }
}

void CBmpMenu::OpenSubMenu(int row, bool byKeyboard) {
    QRect rowRect = itemBar_->RowRect(row).translated(itemBar_->mapToGlobal(QPoint(0, 0)));
    rowRect.setLeft(rowRect.left() - stripWidth_);
    CBmpMenu subMenu(stripForSubMenus_ ? stripWidth_ : 0, stripForSubMenus_,
                     stripForSubMenus_ ? stripPicture_ : QImage(), stretchStrip_);
    subMenu.parent_ = this;
    subMenu.openedByKeyboard_ = byKeyboard;
    subMenu.Attach(itemBar_->items().at(row).subMenu);
    emit Top()->initMenuPopup(&subMenu);
    subMenu.Run(QPoint(), &rowRect);
}

void CBmpMenu::Choose(int command) {
    Top()->chosen_ = command;
    CloseAll();
}

// Left in a sub-menu closes it and leaves its parent open.
void CBmpMenu::CloseFromParent() {
    if (parent_) {
        parent_->CloseChildren();
        parent_->itemBar_->ResetLastPressed();
    }
}

void CBmpMenu::KeyWithoutMnemonic(QChar key) {
    MenuCharAnswer answer;
    emit Top()->menuChar(key, this, &answer);
    if (answer.action == MenuCharAnswer::Action::CloseAll) {
        CloseAll();
    } else if (answer.action == MenuCharAnswer::Action::Execute) {
        emit Top()->commandChosen(answer.command);
    }
}

void CBmpMenu::NotifySelect(int row) {
    const MenuItem& item = itemBar_->items().at(row);
    if (item.type == MenuItem::Type::SubMenu) {
        emit Top()->menuSelect(row, MenuSelectFlag::SubMenu, this);
        return;
    }
    const int flags =
        (item.greyed ? MenuSelectFlag::Greyed : 0) | (item.checked ? MenuSelectFlag::Checked : 0);
    emit Top()->menuSelect(item.command, flags, this);
}
