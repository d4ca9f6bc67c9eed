#pragma once

#include "controls/MenuColours.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRgb>

#include <functional>

// The pictures of menu rows are drawn in four greys on a light grey (0xC0C0C0) ground, which
// take the desktop's colours when shown.

// An enabled row's picture: black becomes buttonText, dark grey (0x808080) buttonShadow, light
// grey highlight on a highlighted row and menu otherwise, white buttonHighlight; every other
// colour stays.
QImage RecolourPicture(const QImage& picture, const MenuColours& colours, bool highlighted);

// A greyed row's picture, in two colours: its dark pixels in `ink`, its light ones in `ground`.
QImage GreyedPicture(const QImage& picture, QColor ink, QColor ground);

// Paints the pixels of colour `surface` that are connected to `start` (left, right, up, down)
// with brush(x, y). Nothing happens when `start` is outside the image or of another colour.
void FloodFillSurface(QImage& image, QPoint start, QRgb surface,
                      const std::function<QRgb(int x, int y)>& brush);
