#pragma once

#include <QRect>

// Where a window being dragged to `proposed` comes to rest: an edge within 8 pixels of the
// work area's edge, or beyond it, is pulled onto it, so the window lands flush against an edge
// or corner it comes near and cannot be dragged partly out of the work area. The rectangle is
// only shifted, never resized. Edges are tried left, top, right, bottom, one shift a pass; the
// bottom edge ends the passes.
//
// The right edge never pulls a window so far that its left edge comes within reach of the
// work area's left edge: there the left edge holds, so a window too wide to fit keeps its
// left edge on the work area's left, and the passes always end.
QRect SnapToWorkArea(QRect proposed, const QRect& workArea);
