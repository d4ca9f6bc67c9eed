#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// The top-level windows of type Window that are on show.
template <typename Window> QList<Window*> VisibleWindowsOf() {
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}
