// The display of CLexadoDlg: the entry's texts laid out in the word and phonetic fonts, the
// window sized to hug them, the progress bar, and the delayed meaning.

#include "recitation/ui/CLexadoDlg.h"

#include "recitation/ui/WordFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kBarPenWidth = 3;

TextSize Measure(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

QRect TextRect(Point at, TextSize size) {
    return QRect(at.x, at.y, size.width, size.height);
}

// Draws a text with its cell filled in the background colour. A text outside the region to
// repaint is skipped: most paints are a tick's sliver of the bar, and shaping the three texts
// for each of them would be most of the program's work while it recites.
void DrawOpaqueText(QPainter& painter, const QRegion& region, const QFont& font, Point at,
                    TextSize size, const QString& text) {
    if (!region.intersects(TextRect(at, size))) {
        return;
    }
    painter.setFont(font);
    painter.drawText(QPoint(at.x, at.y + QFontMetrics(font).ascent()), text);
}

} // namespace

// Presents state_.currentLine: splits it, hides the meaning until its time, and lays the
// window out around the new texts.
void CLexadoDlg::ShowEntry() {
    displayLine_ = SplitLine(state_.currentLine);
    if (!settings_.showMeaning) {
        displayLine_.meaning = QStringLiteral(" ");
    }
    LayOut();
    update();
}

QScreen* CLexadoDlg::ScreenOfWindowRect() const {
    QScreen* screen =
        QGuiApplication::screenAt(QPoint(settings_.windowRect.left, settings_.windowRect.top));
    return screen ? screen : QGuiApplication::primaryScreen();
}

void CLexadoDlg::LayOut() {
    measures_ = {Measure(wordFont_, displayLine_.word), Measure(wordFont_, displayLine_.meaning),
                 Measure(phoneticFont_, displayLine_.phonetic)};
    const LayoutOptions options{settings_.oneLine != 0, settings_.showMeaning != 0,
                                settings_.showProgressBar != 0};
    const QRect screen = ScreenOfWindowRect()->geometry();
    layout_ = LayOutEntry(measures_, options, screen.width());
    const int left =
        WindowLeft(settings_.windowRect.left, layout_.blockWidth, screen.left(), screen.width());
    setGeometry(left, settings_.windowRect.top, layout_.windowWidth, layout_.windowHeight);
    barDrawnTo_ = BarEnd(layout_.blockWidth, state_.tick);
}

void CLexadoDlg::paintEvent(QPaintEvent* event) {
    const QColor background = ColorFromColorRef(settings_.backColor);
    const QColor text = ColorFromColorRef(settings_.textColor);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), background);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    painter.setPen(text);
    const QRegion& region = event->region();
    DrawOpaqueText(painter, region, wordFont_, layout_.word, measures_.word, displayLine_.word);
    DrawOpaqueText(painter, region, phoneticFont_, layout_.phonetic, measures_.phonetic,
                   displayLine_.phonetic);
    const bool meaningHidden = settings_.fadeInMeaning && !state_.meaningShown;
    painter.setPen(meaningHidden ? background : text);
    DrawOpaqueText(painter, region, wordFont_, layout_.meaning, measures_.meaning,
                   displayLine_.meaning);
    // The bar goes last: a text's opaque cell may reach down to it (the phonetic font's cell is
    // taller than the word's line), and a tick repaints the bar's piece with the texts there.
    if (settings_.showProgressBar) {
        painter.setPen(QPen(ColorFromColorRef(settings_.barColor), kBarPenWidth));
        painter.drawLine(0, layout_.barY, BarEnd(layout_.blockWidth, state_.tick), layout_.barY);
    }
}

// A tick repaints only what changed: the meaning once when it is revealed, and the piece of
// the bar grown since the last tick.
void CLexadoDlg::OnTick() {
    const TickStep step = engine_.Tick(layout_.blockWidth);
    if (step.revealMeaning) {
        update(TextRect(layout_.meaning, measures_.meaning));
    }
    if (step.drawBar && step.barEnd > barDrawnTo_) {
        const int halfPen = kBarPenWidth / 2 + 1;
        update(QRect(QPoint(barDrawnTo_ - halfPen, layout_.barY - halfPen),
                     QPoint(step.barEnd + halfPen, layout_.barY + halfPen)));
        barDrawnTo_ = step.barEnd;
    }
}
