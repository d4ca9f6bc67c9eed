// The display of CLexadoDlg: the entry's texts laid out in the word and phonetic fonts, the
// window sized to hug them, the progress bar, and the delayed meaning.

#include "recitation/ui/CLexadoDlg.h"

#include "recitation/ui/WordFont.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kBarPenWidth = 3;

QSize Measure(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// The screens of the desktop, the primary one first.
QList<ScreenArea> DesktopScreens() {
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append({screen->geometry(), screen->availableGeometry()});
    }
    if (screens.isEmpty()) { // only while the window system reports no screen at all
        constexpr QRect kSomeScreen(0, 0, 800, 600);
        screens.append({kSomeScreen, kSomeScreen});
    }
    return screens;
}

} // namespace

// Presents the entry on show: splits it, hides the meaning until its time, and lays the window
// out around the new texts.
void CLexadoDlg::ShowEntry() {
    displayLine_ = SplitLine(engine_.state().currentLine, transcriptionFrame_);
    if (!engine_.settings().showMeaning) {
        displayLine_.meaning = QStringLiteral(" ");
    }
    LayOut();
    update();
}

// The stored place moved whole into the work area of the screen that holds most of it, or of
// the primary screen when it lies on none (a screen that has gone); that screen.
ScreenArea CLexadoDlg::BringOntoScreen(SettingsRecord& record) const {
    const QList<ScreenArea> screens = DesktopScreens();
    const QRect stored = QRectOf(record.windowRect);
    const ScreenArea screen = ScreenHoldingMost(stored, screens);
    record.windowRect = WindowRectOf(PlaceInWorkArea(stored, screen.workArea));
    return screen;
}

// A loaded progress record takes a place on a screen, and keeps the word font in use.
void CLexadoDlg::FitLoadedRecord(SettingsRecord& record) {
    BringOntoScreen(record);
    StoreFont(wordFont_, record.wordFont, ScreenFontScale());
}

// The block is cut to the work area of the stored place's screen; the window goes to the stored
// place, or as near it as lies whole in a work area, so a window that has grown past an edge is
// drawn inside it and comes back to the stored place when it is smaller again.
void CLexadoDlg::LayOut() {
    const SettingsRecord& s = engine_.settings();
    measures_ = {Measure(wordFont_, displayLine_.word), Measure(wordFont_, displayLine_.meaning),
                 Measure(phoneticFont_, displayLine_.phonetic)};
    const QList<ScreenArea> screens = DesktopScreens();
    const QRect stored = QRectOf(s.windowRect);
    const QRect storedArea = ScreenHoldingMost(stored, screens).workArea;
    layout_ =
        LayOutEntry(measures_, {s.oneLine, s.showMeaning, s.showProgressBar}, storedArea.width());
    const QRect wanted(stored.topLeft(), layout_.windowSize);
    setGeometry(PlaceInWorkArea(wanted, ScreenHoldingMost(wanted, screens).workArea));
    barDrawnTo_ = BarEnd(layout_.blockWidth, engine_.state().tick);
}

// What the window's texts are drawn from now.
TextLayer CLexadoDlg::CurrentTextLayer() const {
    const SettingsRecord& s = engine_.settings();
    return {size(),
            devicePixelRatioF(),
            ColorFromColorRef(s.backColor),
            ColorFromColorRef(s.textColor),
            s.fadeInMeaning && !engine_.state().meaningShown,
            {wordFont_, layout_.word, displayLine_.word},
            {phoneticFont_, layout_.phonetic, displayLine_.phonetic},
            {wordFont_, layout_.meaning, displayLine_.meaning}};
}

void CLexadoDlg::paintEvent(QPaintEvent* event) {
    const SettingsRecord& s = engine_.settings();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // The texts' cells are opaque: their layer covers the window, and only the region is copied.
    painter.drawImage(QPoint(0, 0), textLayer_.Image(CurrentTextLayer(), painter));
    // The bar goes last: a text's opaque cell may reach down to it (the phonetic font's cell is
    // taller than the word's line), and a tick repaints the bar's piece with the texts there.
    if (s.showProgressBar) {
        painter.setPen(QPen(ColorFromColorRef(s.barColor), kBarPenWidth));
        painter.drawLine(0, layout_.barY, BarEnd(layout_.blockWidth, engine_.state().tick),
                         layout_.barY);
    }
    if (!paintedBefore_) {
        paintedBefore_ = true;
        emit firstPainted();
    }
}

// A tick repaints only what changed: the meaning once when it is revealed, and the piece of
// the bar grown since the last tick.
void CLexadoDlg::OnTick(const TickStep& step) {
    if (step.revealMeaning) {
        update(QRect(layout_.meaning, measures_.meaning));
    }
    const int barEnd = BarEnd(layout_.blockWidth, step.tick);
    if (step.drawBar && barEnd > barDrawnTo_) {
        const int halfPen = kBarPenWidth / 2 + 1;
        update(QRect(QPoint(barDrawnTo_ - halfPen, layout_.barY - halfPen),
                     QPoint(barEnd + halfPen, layout_.barY + halfPen)));
        barDrawnTo_ = barEnd;
    }
}
