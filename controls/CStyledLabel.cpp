#include "controls/CStyledLabel.h"

#include "controls/DesktopOpener.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include <cmath>

namespace {

constexpr int kBlinkMs = 500;

} // namespace

CStyledLabel::CStyledLabel(const QString& text, unsigned style, QWidget* parent)
    : QWidget(parent), text_(text), style_(style) {
    // Qt paints every widget off screen and shows the result at once, so a repaint never
    // flickers; an opaque label tells it there is nothing to paint behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor CStyledLabel::textColour() const {
    return textColour_.value_or(palette().color(QPalette::WindowText));
}

QColor CStyledLabel::backColour() const {
    return backColour_.value_or(palette().color(QPalette::Button));
}

CStyledLabel& CStyledLabel::SetBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
    return *this;
}

CStyledLabel& CStyledLabel::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
    return *this;
}

CStyledLabel& CStyledLabel::SetLabelText(const QString& text) {
    text_ = text;
    updateGeometry();
    update();
    return *this;
}

CStyledLabel& CStyledLabel::ChangeFont(const QFont& changed) {
    setFont(changed); // Qt repaints and re-lays out a widget whose font changes
    return *this;
}

CStyledLabel& CStyledLabel::SetBold(bool on) {
    QFont changed = font();
    changed.setWeight(on ? QFont::Bold : QFont::Normal);
    return ChangeFont(changed);
}

CStyledLabel& CStyledLabel::SetFaceName(const QString& family) {
    QFont changed = font();
    changed.setFamilies({family});
    return ChangeFont(changed);
}

CStyledLabel& CStyledLabel::SetUnderline(bool on) {
    QFont changed = font();
    changed.setUnderline(on);
    return ChangeFont(changed);
}

CStyledLabel& CStyledLabel::SetItalic(bool on) {
    QFont changed = font();
    changed.setItalic(on);
    return ChangeFont(changed);
}

CStyledLabel& CStyledLabel::SetPointSize(int points) {
    QFont changed = font();
    const int pixels = PointSizePixels(points, logicalDpiY());
    if (pixels > 0) {
        changed.setPixelSize(pixels);
    } else {
        changed.setPointSizeF(QApplication::font(this).pointSizeF());
    }
    return ChangeFont(changed);
}

CStyledLabel& CStyledLabel::SetStaticEdge(bool on) {
    staticEdge_ = on;
    UpdateMargins();
    return *this;
}

CStyledLabel& CStyledLabel::SetFrameBorder(bool on) {
    frameBorder_ = on;
    UpdateMargins();
    return *this;
}

CStyledLabel& CStyledLabel::SetNoBackground(bool on) {
    transparent_ = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
    return *this;
}

CStyledLabel& CStyledLabel::BlinkText(bool on) {
    StartBlinking(on ? BlinkKind::Text : BlinkKind::None);
    return *this;
}

CStyledLabel& CStyledLabel::BlinkBackground(bool on) {
    StartBlinking(on ? BlinkKind::Background : BlinkKind::None);
    return *this;
}

// Blinking starts in its off phase.
void CStyledLabel::StartBlinking(BlinkKind kind) {
    blinkTimer_.stop();
    blinkKind_ = kind;
    flashOn_ = false;
    if (kind != BlinkKind::None) {
        blinkTimer_.start(kBlinkMs, this);
    }
    update();
}

CStyledLabel& CStyledLabel::SetClickAction(bool on, bool openWithShell) {
    clickAction_ = on;
    openWithShell_ = openWithShell;
    return *this;
}

CStyledLabel& CStyledLabel::SetHoverCursor(const std::optional<QCursor>& cursor) {
    if (cursor) {
        setCursor(*cursor);
    } else {
        unsetCursor();
    }
    return *this;
}

CStyledLabel& CStyledLabel::SetEmboss(bool on, bool raised) {
    emboss_ = on;
    embossRaised_ = raised;
    update();
    return *this;
}

CStyledLabel& CStyledLabel::SetAngle(int degrees, bool on) {
    angle_ = degrees;
    rotated_ = on;
    update();
    return *this;
}

// The border and the edge take their pixels from the label's rectangle; the text is drawn
// inside them.
void CStyledLabel::UpdateMargins() {
    const int margin = (frameBorder_ ? 1 : 0) + (staticEdge_ ? 1 : 0);
    setContentsMargins(margin, margin, margin, margin);
    update();
}

// The text's extent rounded up to whole pixels, or a word-wrapped text given just that width
// could wrap.
QSize CStyledLabel::sizeHint() const {
    const QSizeF text = QFontMetricsF(font()).size(0, text_);
    const QMargins margins = contentsMargins();
    return QSize(static_cast<int>(std::ceil(text.width())) + margins.left() + margins.right(),
                 static_cast<int>(std::ceil(text.height())) + margins.top() + margins.bottom());
}

void CStyledLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawFrame(painter);
    const QRect box = contentsRect();
    const LabelColours colours =
        BlinkPhaseColours({textColour(), backColour()}, blinkKind_, flashOn_);
    if (!transparent_) {
        painter.fillRect(box, colours.back);
    }
    painter.setFont(font());
    DrawText(painter, box, colours.text);
}

void CStyledLabel::DrawFrame(QPainter& painter) const {
    QRect outline = rect();
    if (frameBorder_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(outline.adjusted(0, 0, -1, -1)); // a pen's rectangle is a pixel wider
        outline.adjust(1, 1, -1, -1);
    }
    if (staticEdge_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(outline.topLeft(), outline.topRight());
        painter.drawLine(outline.topLeft(), outline.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(outline.bottomLeft(), outline.bottomRight());
        painter.drawLine(outline.topRight(), outline.bottomRight());
    }
}

void CStyledLabel::DrawText(QPainter& painter, const QRect& box, const QColor& colour) const {
    painter.setPen(colour);
    if (rotated_) {
        // The baseline runs through the middle, the text centred on it.
        painter.translate(box.center());
        painter.rotate(-angle_);
        painter.drawText(QPoint(-fontMetrics().horizontalAdvance(text_) / 2, 0), text_);
        painter.resetTransform();
        return;
    }
    const int flags = StaticTextFlags(style_, text_);
    painter.drawText(box, flags, text_);
    if (emboss_) {
        painter.setPen(Qt::white);
        painter.drawText(box.translated(embossRaised_ ? QPoint(1, 1) : QPoint(-1, -1)), flags,
                         text_);
    }
}

void CStyledLabel::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blinkTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    flashOn_ = !flashOn_;
    update();
}

void CStyledLabel::mousePressEvent(QMouseEvent* event) {
    if (!clickAction_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (openWithShell_) {
        OpenWithDesktop(text_, window());
    } else {
        emit clicked();
    }
}
