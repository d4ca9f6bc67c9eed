#pragma once

#include "recitation/ui/CLexadoDlg.h"
#include "tests/controls/MenuScript.h"

#include <QtTest>

#include <utility>

// Right-clicks the window at `at` (its coordinates) and runs the steps while the menu is open;
// true when the menu opened, every step ran and the menu has closed.
inline bool RightClick(CLexadoDlg& window, QPoint at, QList<MenuScript::Step> steps) {
    bool opened = false;
    steps.prepend([&] { opened = ActiveMenu() != nullptr; });
    MenuScript script(std::move(steps));
    QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, at);
    return opened && script.Completed() && !ActiveMenu();
}

// The rows of the menu level that is open.
inline const MenuDescription& Rows() {
    return ActiveMenu()->itemBar()->items();
}
