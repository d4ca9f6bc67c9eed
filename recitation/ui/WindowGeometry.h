#pragma once

#include "recitation/SettingsRecord.h"

#include <QRect>

// A window rectangle as the record stores it: right and bottom just outside the window.
inline WindowRect RectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
