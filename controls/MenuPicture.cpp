#include "controls/MenuPicture.h"

#include <QList>

namespace {

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kDarkGrey = 0x808080;
constexpr QRgb kLightGrey = 0xC0C0C0;
constexpr QRgb kWhite = 0xFFFFFF;

QRgb ColourOf(QRgb pixel) {
    return pixel & 0x00FFFFFF;
}

// A pixel is dark when it is nearer black than white.
bool IsDark(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 3 * 128;
}

} // namespace

QImage RecolourPicture(const QImage& picture, const MenuColours& colours, bool highlighted) {
    QImage copy = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = highlighted ? colours.highlight.rgb() : colours.menu.rgb();
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            const QRgb alpha = line[x] & 0xFF000000;
            switch (ColourOf(line[x])) {
            case kBlack:
                line[x] = alpha | ColourOf(colours.buttonText.rgb());
                break;
            case kDarkGrey:
                line[x] = alpha | ColourOf(colours.buttonShadow.rgb());
                break;
            case kLightGrey:
                line[x] = alpha | ColourOf(ground);
                break;
            case kWhite:
                line[x] = alpha | ColourOf(colours.buttonHighlight.rgb());
                break;
            default:
                break;
            }
        }
    }
    return copy;
}

QImage GreyedPicture(const QImage& picture, QColor ink, QColor ground) {
    QImage copy = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            line[x] = IsDark(line[x]) ? ink.rgb() : ground.rgb();
        }
    }
    return copy;
}

void FloodFillSurface(QImage& image, QPoint start, QRgb surface,
                      const std::function<QRgb(int x, int y)>& brush) {
    if (!image.rect().contains(start) || ColourOf(image.pixel(start)) != ColourOf(surface)) {
        return;
    }
    // The brush may paint the surface's own colour, so visited pixels are remembered apart.
    QList<bool> visited(image.width() * image.height(), false);
    QList<QPoint> pending{start};
    visited[start.y() * image.width() + start.x()] = true;
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        image.setPixel(p, brush(p.x(), p.y()));
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = p + step;
            if (!image.rect().contains(next)) {
                continue;
            }
            const qsizetype index = next.y() * image.width() + next.x();
            if (!visited[index] && ColourOf(image.pixel(next)) == ColourOf(surface)) {
                visited[index] = true;
                pending.append(next);
            }
        }
    }
}
