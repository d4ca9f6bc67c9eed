// The display of the main window, measured with the real fonts under the offscreen platform:
// where the texts go, how large the window is and where it stands, the delayed meaning as it
// appears in the window's pixels, and what each tick repaints.

#include "tests/recitation/ui/WindowRig.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <memory>
#include <random>
#include <tuple>

namespace {

int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

int Height(const QFont& font) {
    return QFontMetrics(font).height();
}

int ScreenWidth() {
    return QGuiApplication::primaryScreen()->geometry().width();
}

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Where a window of this size is drawn for a stored place: there, or pushed in from the work
// area's right and bottom edges.
QPoint Within(QPoint place, QSize size) {
    const QRect work = WorkArea();
    return {std::min(place.x(), work.right() + 1 - size.width()),
            std::min(place.y(), work.bottom() + 1 - size.height())};
}

// The rows of the meaning above the bar line, which may run through its lowest pixels.
QRect MeaningAboveBar(const CLexadoDlg& window) {
    QRect area = MeaningRect(window);
    area.setBottom(std::min(area.bottom(), window.entryLayout().blockHeight - 1));
    return area;
}

// The window as it is on the screen, after the partial repaints of the ticks.
QImage OnScreen(CLexadoDlg& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The window as drawn at once onto an image of this format: the background, the texts with
// their cells filled in it, and the bar.
QImage DrawnAtOnce(const CLexadoDlg& w, QImage::Format format) {
    const SettingsRecord& s = w.settings();
    QImage image(w.size() * w.devicePixelRatioF(), format);
    image.setDevicePixelRatio(w.devicePixelRatioF());
    QPainter painter(&image);
    painter.fillRect(w.rect(), Colour(s.backColor));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Colour(s.backColor));
    painter.setPen(Colour(s.textColor));
    const EntryLayout& at = w.entryLayout();
    const DisplayLine& line = w.displayLine();
    for (const auto& [font, place, text] :
         {std::tuple(w.wordFont(), at.word, line.word),
          std::tuple(w.phoneticFont(), at.phonetic, line.phonetic),
          std::tuple(w.wordFont(), at.meaning, line.meaning)}) {
        painter.setFont(font);
        painter.drawText(place + QPoint(0, QFontMetrics(font).ascent()), text);
    }
    painter.setPen(QPen(Colour(s.barColor), 3));
    painter.drawLine(0, at.barY, BarEnd(at.blockWidth, w.state().tick), at.barY);
    return image;
}

int TextPixels(const QImage& image, const CLexadoDlg& window, const QRect& area) {
    return CountPixels(image, area, Colour(window.settings().textColor));
}

} // namespace

char* toString(const WindowRect& r) {
    return QTest::toString(
        QStringLiteral("(%1,%2,%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}

class TestLexadoDlg : public QObject {
    Q_OBJECT

private slots:
    void twoLinesAndOneLine() {
        WindowRig two(QuietSettings(), {"apple#苹果"});
        const CLexadoDlg& w = two.open();
        QCOMPARE(QFontInfo(w.phoneticFont()).family(), kPhoneticFamily);
        const QFont& word = w.wordFont();
        const QFont& phonetic = w.phoneticFont();
        const int ww = Width(word, "apple");
        const int wh = Height(word);
        const int pw = Width(phonetic, " ");
        const int ph = Height(phonetic);
        const int mw = Width(word, "苹果");
        QCOMPARE(w.displayLine().phonetic, QStringLiteral(" "));
        EntryLayout layout = w.entryLayout();
        QCOMPARE(layout.word, QPoint(2, 0));
        QCOMPARE(layout.phonetic, QPoint(ww, 0));
        QCOMPARE(layout.meaning, QPoint(2, wh));
        QCOMPARE(layout.blockWidth, std::max(ww + pw, mw));
        QCOMPARE(layout.blockHeight, wh + ph);
        QCOMPARE(w.geometry(), QRect(100, 100, layout.blockWidth + 6, wh + ph + 9));

        // A meaning longer than the first line widens the block.
        WindowRig longer(QuietSettings(), {"apple#苹果苹果苹果苹果"});
        const int longMeaning = Width(longer.open().wordFont(), "苹果苹果苹果苹果");
        QVERIFY(longMeaning > ww + pw);
        QCOMPARE(longer.window->entryLayout().blockWidth, longMeaning);

        SettingsRecord s = QuietSettings();
        s.oneLine = true;
        WindowRig one(s, {"apple#苹果#apl"});
        const CLexadoDlg& w1 = one.open();
        QCOMPARE(w1.displayLine().phonetic, QStringLiteral(" 2apl3 "));
        const int framed = Width(phonetic, " 2apl3 ");
        layout = w1.entryLayout();
        QCOMPARE(layout.word, QPoint(2, 0));
        QCOMPARE(layout.phonetic, QPoint(ww, 0));
        QCOMPARE(layout.meaning, QPoint(ww + framed, 0));
        QCOMPARE(layout.blockWidth, ww + framed + mw);
        QCOMPARE(layout.blockHeight, wh);
        QCOMPARE(w1.geometry(), QRect(100, 100, ww + framed + mw + 6, wh + 9));
    }

    // Without the phonetic font the transcription is framed by brackets, in the word font's
    // face at the phonetic font's height.
    void transcriptionWithoutThePhoneticFont() {
        WindowRig rig(QuietSettings(), {"apple#苹果#ˈæpl"});
        const CLexadoDlg& w = rig.open(QStringLiteral("/no/such/folder"));
        QCOMPARE(w.displayLine().phonetic, QStringLiteral(" [ˈæpl] "));
        QCOMPARE(w.phoneticFont().family(), w.wordFont().family());
        QCOMPARE(w.phoneticFont().pixelSize(), 18);
    }

    void meaningOffIsOneLineHigh() {
        for (const bool oneLine : {false, true}) {
            SettingsRecord s = QuietSettings();
            s.showMeaning = false;
            s.oneLine = oneLine;
            WindowRig rig(s, {"apple#苹果#apl"});
            const CLexadoDlg& w = rig.open();
            QCOMPARE(w.displayLine().meaning, QStringLiteral(" "));
            const int ww = Width(w.wordFont(), "apple");
            const int framed = Width(w.phoneticFont(), " 2apl3 ");
            const EntryLayout& layout = w.entryLayout();
            QCOMPARE(layout.meaning, QPoint(ww + framed, 0));
            QCOMPARE(layout.blockWidth, ww + framed + Width(w.wordFont(), " "));
            QCOMPARE(layout.blockHeight, Height(w.wordFont()));
            QCOMPARE(w.height(), Height(w.wordFont()) + 9);
        }
    }

    // A meaning wider than the screen is cut to the screen less 20, and the window ends on
    // the screen's right edge, not a pixel past it.
    void wideEntryIsCutToTheScreen() {
        const int screen = ScreenWidth();
        WindowRig wide(QuietSettings(), {"apple#" + QByteArray("苹果").repeated(200)});
        QVERIFY(wide.show());
        const CLexadoDlg& w = *wide.window;
        QCOMPARE(w.entryLayout().blockWidth, screen - 20);
        QCOMPARE(w.width(), screen - 14);
        QCOMPARE(w.x(), 14);
    }

    // At start-up the stored place is brought into the work area, keeping its size; a window
    // that grows past the edge is drawn inside it, and a smaller one comes back to the stored
    // place.
    void storedPlaceIsBroughtOntoTheScreen_data() {
        const QRect work = WorkArea();
        const int farthest = std::numeric_limits<int>::max() - 100;
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("inside") << QRect(300, 200, 100, 60) << QPoint(300, 200);
        QTest::newRow("past the right edge")
            << QRect(work.right() - 40, 200, 100, 60) << QPoint(work.right() + 1 - 100, 200);
        QTest::newRow("past the bottom")
            << QRect(100, work.bottom() + 50, 200, 60) << QPoint(100, work.bottom() + 1 - 60);
        QTest::newRow("on a screen that is gone") << QRect(-3000, -2000, 200, 60) << work.topLeft();
        QTest::newRow("at the 32-bit limit")
            << QRect(farthest, farthest, 100, 100)
            << work.bottomRight() + QPoint(1, 1) - QPoint(100, 100);
    }

    void storedPlaceIsBroughtOntoTheScreen() {
        QFETCH(QRect, stored);
        QFETCH(QPoint, placed);
        const QRect work = WorkArea();
        SettingsRecord s = QuietSettings();
        s.windowRect = {stored.left(), stored.top(), stored.left() + stored.width(),
                        stored.top() + stored.height()};
        WindowRig rig(s, {"a#b", "apple#" + QByteArray("苹果").repeated(30), "b#c"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        const WindowRect expected{placed.x(), placed.y(), placed.x() + stored.width(),
                                  placed.y() + stored.height()};
        QCOMPARE(w.settings().windowRect, expected);
        QVERIFY(work.contains(w.geometry()));
        QCOMPARE(w.pos(), Within(placed, w.size()));

        NextWord(w);
        QVERIFY(w.width() > stored.width());
        QVERIFY(work.contains(w.geometry()));
        QCOMPARE(w.settings().windowRect, expected);
        NextWord(w);
        QCOMPARE(w.pos(), Within(placed, w.size()));
    }

    // Whatever 212 bytes Lexado.ini holds, the window opens whole inside the work area.
    void randomSettingsFileStillShowsTheWindow() {
        std::mt19937 random(2024);
        for (int run = 0; run < 40; ++run) {
            QByteArray bytes(212, Qt::Uninitialized);
            for (char& byte : bytes) {
                byte = static_cast<char>(random() & 0xFF);
            }
            WindowRig rig;
            rig.folder.write(QStringLiteral("Lexado.ini"), bytes);
            CLexadoDlg& w = rig.open();
            const std::unique_ptr<char[]> seen(QTest::toString(w.geometry()));
            QVERIFY2(WorkArea().contains(w.geometry()), seen.get());
            QVERIFY2(w.width() > 6 && w.height() > 7, seen.get());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
        }
    }

    void twoPixelsLowerWithoutTheBar() {
        for (const bool oneLine : {false, true}) {
            SettingsRecord s = QuietSettings();
            s.oneLine = oneLine;
            WindowRig withBar(s, {"apple#苹果#apl"});
            s.showProgressBar = false;
            WindowRig withoutBar(s, {"apple#苹果#apl"});
            const CLexadoDlg& on = withBar.open();
            const CLexadoDlg& off = withoutBar.open();
            QCOMPARE(on.height(), on.entryLayout().blockHeight + 9);
            QCOMPARE(off.height(), off.entryLayout().blockHeight + 7);
            QCOMPARE(on.height() - off.height(), 2);
            QCOMPARE(on.width(), off.width());
        }
    }

    void meaningHiddenUntilTheReveal_data() {
        QTest::addColumn<bool>("oneLine");
        QTest::newRow("two lines") << false;
        QTest::newRow("one line") << true;
    }

    // The meaning is drawn from the start, in the background colour; the 24th tick after the
    // entry is shown reveals it, and every repaint from then on keeps it visible.
    void meaningHiddenUntilTheReveal() {
        QFETCH(bool, oneLine);
        SettingsRecord s = QuietSettings();
        s.oneLine = oneLine;
        WindowRig rig(s, {"apple#苹果#apl"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        const QRect meaning = MeaningAboveBar(w);
        const QColor background = Colour(s.backColor);
        QCOMPARE(CountPixels(w.grab().toImage(), meaning, background),
                 meaning.width() * meaning.height());

        for (int i = 0; i < 23; ++i) {
            Tick(w);
        }
        QCOMPARE(w.state().tick, 25);
        QVERIFY(!w.state().meaningShown);
        QCoreApplication::processEvents();
        QCOMPARE(TextPixels(OnScreen(w), w, meaning), 0);
        QCOMPARE(TextPixels(w.grab().toImage(), w, meaning), 0);

        Tick(w);
        QVERIFY(w.state().meaningShown);
        QTRY_VERIFY(TextPixels(OnScreen(w), w, meaning) > 20);
        QVERIFY(TextPixels(w.grab().toImage(), w, meaning) > 20);
        // The word was visible all along, in the text colour.
        const QRect word(2, 0, Width(w.wordFont(), "apple"), Height(w.wordFont()));
        QVERIFY(TextPixels(w.grab().toImage(), w, word) > 20);
    }

    // Each tick repaints the piece of the bar that grew, and the meaning once, at the reveal;
    // after the last tick the bar runs under the whole block, on screen and in a full repaint,
    // also where the phonetic text's cell reaches down to it.
    void ticksRepaintOnlyWhatChanged_data() {
        QTest::addColumn<bool>("oneLine");
        QTest::newRow("two lines") << false;
        QTest::newRow("one line") << true;
    }

    void ticksRepaintOnlyWhatChanged() {
        QFETCH(bool, oneLine);
        SettingsRecord s = QuietSettings();
        s.oneLine = oneLine;
        WindowRig rig(s, {"apple#苹果苹果苹果#apl"});
        QVERIFY(rig.show());
        CLexadoDlg& w = *rig.window;
        QCoreApplication::processEvents();
        PaintRecorder paints(rig.window.get());
        const QRect meaning = MeaningRect(w);
        const EntryLayout& layout = w.entryLayout();
        const int windowArea = w.width() * w.height();

        int meaningPaints = 0;
        for (int i = 1; i <= 48; ++i) {
            Tick(w);
            QTRY_COMPARE_WITH_TIMEOUT(paints.regions.size(), i, 1000);
            const QRegion region = paints.regions.last();
            if (region.intersected(meaning) == QRegion(meaning)) { // all of it
                ++meaningPaints;
                QCOMPARE(i, 24);
                continue;
            }
            const QRect piece = region.boundingRect();
            QVERIFY2(piece.height() <= 5 && piece.width() <= layout.blockWidth / 50 + 6,
                     qPrintable(QStringLiteral("tick %1 repainted %2x%3")
                                    .arg(i)
                                    .arg(piece.width())
                                    .arg(piece.height())));
            QVERIFY(piece.width() * piece.height() * 20 < windowArea);
        }
        QCOMPARE(meaningPaints, 1);
        QCoreApplication::processEvents();
        QCOMPARE(paints.regions.size(), 48);

        const QColor bar = Colour(w.settings().barColor);
        const QRect barLine(0, layout.barY, layout.blockWidth, 1);
        // Pixel for pixel as the window drawn at once, on screen and in a full repaint.
        const QImage screen = OnScreen(w);
        QCOMPARE(CountPixels(screen, barLine, bar), layout.blockWidth);
        QCOMPARE(screen, DrawnAtOnce(w, screen.format()));
        QCOMPARE(w.grab().toImage(), screen);
    }
};

QTEST_MAIN(TestLexadoDlg)
#include "tst_lexadodlg.moc"
