#pragma once

#include "controls/MenuDescription.h"

#include <QImage>
#include <QWidget>

#include <optional>

class CBmpMenuBar;
class QEventLoop;

// A pop-up menu drawn with pictures: a column of rows, each with a small picture at its left,
// a picture strip down the menu's left edge, and cascading sub-menus that are again CBmpMenus.
//
// Track shows the menu and blocks in a loop of its own until the menu has closed, as a
// desktop's pop-up menu call does. The owner hears of everything through the top-level menu's
// signals, sub-menus included. A chosen command arrives through commandChosen, emitted as
// Track returns; connect it queued, so that the command runs once the caller has finished
// with the menu. The menu keeps its whole interface, though the program uses only part of it.
class CBmpMenu : public QWidget {
    Q_OBJECT

public:
    // stripForSubMenus: sub-menus get the same strip; stretchStrip: the strip picture is
    // stretched over the strip, else tiled.
    CBmpMenu(int stripWidth, bool stripForSubMenus, const QImage& stripPicture, bool stretchStrip);

    void Attach(const MenuDescription& menu) { menu_ = menu; }

    // Opens the menu at the screen point `at` (to its left and/or above it when it does not
    // fit there) and returns once it has closed: true, or false at once when there is no
    // owner.
    bool Track(QPoint at, QWidget* owner);

    // Closes this menu, the menus above it and the menus below it.
    void CloseAll();
    // Closes the open sub-menu of this menu and all below it.
    void CloseChildren();

    bool isOpen() const { return open_; }
    CBmpMenu* child() const { return child_; }
    CBmpMenuBar* itemBar() const { return itemBar_; }

signals:
    // Before the menu shows (the top-level menu, or a sub-menu about to open).
    void initMenu(CBmpMenu* menu);
    void initMenuPopup(CBmpMenu* subMenu);
    // A menu level is shown and starts its loop.
    void enterMenuLoop(CBmpMenu* menu);
    // A row became highlighted: its command and MenuSelectFlag state bits, or for a row with a
    // sub-menu its row index and MenuSelectFlag::SubMenu.
    void menuSelect(int commandOrRow, int flags, CBmpMenu* menu);
    // A key matched no mnemonic of `menu`; the owner may answer.
    void menuChar(QChar key, CBmpMenu* menu, MenuCharAnswer* answer);
    // A menu level has closed.
    void exitMenuLoop(CBmpMenu* menu);
    // The command chosen from a row (once the menu has closed), or the one the owner's
    // menuChar answer asked to execute (at once).
    void commandChosen(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class CBmpMenuBar;

    void Run(QPoint at, const QRect* parentRow);
    void PlaceWindow(QPoint at, const QRect* parentRow);
    void EndLoop();
    CBmpMenu* Top();
    CBmpMenu* Deepest();
    CBmpMenu* LevelAt(QPoint globalPos);
    void RoutePointer(QPoint globalPos);

    // Called by the item bar.
    void OpenSubMenu(int row, bool byKeyboard);
    void Choose(int command);
    void CloseFromParent();
    void KeyWithoutMnemonic(QChar key);
    void NotifySelect(int row);

    MenuDescription menu_;
    CBmpMenu* parent_ = nullptr; // the menu this sub-menu opened from
    CBmpMenu* child_ = nullptr;  // the sub-menu open from one of its rows
    QImage stripPicture_;
    int stripWidth_;
    bool stretchStrip_;
    bool stripForSubMenus_;
    bool openedByKeyboard_ = false; // highlight the first row on opening
    CBmpMenuBar* itemBar_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool open_ = false;
    std::optional<int> chosen_; // on the top-level menu: the command to hand the owner
};
