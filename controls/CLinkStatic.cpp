#include "controls/CLinkStatic.h"

#include "controls/DesktopOpener.h"
#include "controls/HyperlinkError.h"
#include "controls/MessageBox.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

CLinkStatic::CLinkStatic(const QString& text, const QString& target, unsigned style,
                         QWidget* parent)
    : QWidget(parent), text_(text.isEmpty() ? target : text),
      target_(target.isEmpty() ? text : target), style_(style) {
    SetUnderlined(underlined_);
    setCursor(pointer_);
    setToolTip(target_);
}

void CLinkStatic::SetTarget(const QString& target) {
    target_ = target;
    Fit();
    setToolTip(target_);
}

void CLinkStatic::SetLinkColours(const QColor& link, const QColor& visited,
                                 const std::optional<QColor>& hover) {
    linkColour_ = link;
    visitedColour_ = visited;
    hoverColour_ = hover;
    update();
}

void CLinkStatic::SetVisited(bool visited) {
    visited_ = visited;
    update();
}

void CLinkStatic::SetPointer(const std::optional<QCursor>& pointer) {
    pointer_ = pointer.value_or(QCursor(Qt::PointingHandCursor));
    setCursor(pointer_);
}

void CLinkStatic::SetUnderlined(bool underlined) {
    underlined_ = underlined;
    QFont linkFont = font();
    linkFont.setUnderline(underlined);
    setFont(linkFont);
}

void CLinkStatic::SetFitToText(bool fit) {
    fitToText_ = fit;
    Fit();
}

QColor CLinkStatic::hoverColour() const {
    return hoverColour_.value_or(palette().color(QPalette::Highlight));
}

QColor CLinkStatic::currentColour() const {
    if (pointerOver_) {
        return hoverColour();
    }
    return visited_ ? visitedColour_ : linkColour_;
}

// The extent of the text on one line, line breaks and all, in whole pixels: rounded up, or a
// word-wrapped text would not fit on its one line.
QSize CLinkStatic::TextExtent() const {
    const QFontMetricsF metrics(font());
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text_))),
            static_cast<int>(std::ceil(metrics.height()))};
}

void CLinkStatic::Fit() {
    if (fitToText_) {
        setGeometry(FitRectToText(geometry(), TextExtent(), style_));
        updateGeometry();
    }
}

QSize CLinkStatic::sizeHint() const {
    return TextExtent();
}

void CLinkStatic::Open() {
    const std::optional<int> error = OpenWithDesktop(target_, window());
    SetVisited(!error);
    if (error) {
        QApplication::beep();
        ShowWarning(this, HyperlinkErrorText(*error));
    }
}

// The background is left unpainted: the window behind shows through.
void CLinkStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(currentColour());
    painter.drawText(rect(), StaticTextFlags(style_, text_), text_);
}

// The owner places the link before its window shows; that is where it fits to its text.
void CLinkStatic::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fittedOnShow_) {
        fittedOnShow_ = true;
        Fit();
    }
}

void CLinkStatic::enterEvent(QEnterEvent* event) {
    pointerOver_ = true;
    update();
    QWidget::enterEvent(event);
}

void CLinkStatic::leaveEvent(QEvent* event) {
    pointerOver_ = false;
    update();
    QWidget::leaveEvent(event);
}

// The press is taken, so that the release comes here too.
void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void CLinkStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
    }
}
