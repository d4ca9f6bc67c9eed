#include "recitation/ui/TextLayer.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

namespace {

QImage::Format TargetFormat(QPainter& painter) {
    const QPaintDevice* target = painter.paintEngine()->paintDevice();
    return target->devType() == QInternal::Image ? static_cast<const QImage*>(target)->format()
                                                 : QImage::Format_ARGB32_Premultiplied;
}

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

const QImage& TextLayerImage::Image(const TextLayer& layer, QPainter& target) {
    const QImage::Format format = TargetFormat(target);
    if (layer == drawn_ && image_.format() == format) { // a null image has no format
        return image_;
    }
    image_ = QImage(layer.size * layer.devicePixelRatio, format);
    image_.setDevicePixelRatio(layer.devicePixelRatio);
    QPainter painter(&image_);
    Draw(painter, layer);
    drawn_ = layer;
    return image_;
}
