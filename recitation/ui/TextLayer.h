#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

// One of the window's texts: drawn at `at` with its cell filled in the background colour.
struct LayerText {
    QFont font;
    QPoint at;
    QString text;

    bool operator==(const LayerText&) const = default;
};

// Everything the window shows apart from the progress bar, and all that it is drawn from.
struct TextLayer {
    QSize size;
    qreal devicePixelRatio = 1.0;
    QColor background;
    QColor textColor;
    bool meaningHidden = false; // drawn in the background colour until its reveal
    LayerText word;
    LayerText phonetic;
    LayerText meaning;

    bool operator==(const TextLayer&) const = default;
};

// The text layer drawn into an image, again only when something it is drawn from changed. Most
// of the window's paints are a tick's sliver of the bar; copying the sliver from here instead of
// shaping the texts under it again keeps a reciting window's paints cheap.
class TextLayerImage {
public:
    // The layer in the image format of the device `target` paints on (the backing store, or the
    // image a grab renders into), so that its pixels are those drawn there directly.
    const QImage& Image(const TextLayer& layer, QPainter& target);

private:
    TextLayer drawn_;
    QImage image_;
};
