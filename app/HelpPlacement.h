#pragma once

#include <QRect>
#include <QSize>

// Where a help window of frame size `size` opens when asked for from `dialog`: beside it, on
// the side of `screen` with more room, as wide as that room allows, so that the dialog stays in
// view. It is never narrower than a page can be read in (320 pixels) and always on the screen,
// so on a screen too small for both it covers part of the dialog.
QRect HelpFrameBeside(const QSize& size, const QRect& dialog, const QRect& screen);
