#include "recitation/ui/TextLayer.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

void DrawOpaqueText(QPainter& painter, const LayerText& text) {
    painter.setFont(text.font);
    painter.drawText(text.at + QPoint(0, QFontMetrics(text.font).ascent()), text.text);
}

void Draw(QPainter& painter, const TextLayer& layer) {
    painter.fillRect(QRect(QPoint(0, 0), layer.size), layer.background);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(layer.background);
    painter.setPen(layer.textColor);
    DrawOpaqueText(painter, layer.word);
    DrawOpaqueText(painter, layer.phonetic);
    painter.setPen(layer.meaningHidden ? layer.background : layer.textColor);
    DrawOpaqueText(painter, layer.meaning);
}

} // namespace

const QImage& TextLayerImage::Image(const TextLayer& layer, QImage::Format format) {
    if (layer == drawn_ && image_.format() == format && !image_.isNull()) {
        return image_;
    }
    image_ = QImage(layer.size * layer.devicePixelRatio, format);
    image_.setDevicePixelRatio(layer.devicePixelRatio);
    QPainter painter(&image_);
    Draw(painter, layer);
    drawn_ = layer;
    return image_;
}
