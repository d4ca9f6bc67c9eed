#include "recitation/DisplayLine.h"
#include "recitation/EntryLayout.h"
#include "recitation/TooltipText.h"
#include "recitation/WindowSnap.h"

#include <QtTest>

namespace {

constexpr WindowRect kWorkArea{0, 0, 1280, 770}; // a 1280 x 800 screen less a 30-pixel panel

WindowRect Window(int left, int top, int width = 200, int height = 60) {
    return {left, top, left + width, top + height};
}

} // namespace

char* toString(const WindowRect& r) {
    return QTest::toString(
        QStringLiteral("(%1,%2,%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}

class TestWindowBehaviour : public QObject {
    Q_OBJECT

private slots:
    void snapsToTheWorkArea() {
        QCOMPARE(SnapToWorkArea(Window(5, 300), kWorkArea), Window(0, 300));   // pulled in
        QCOMPARE(SnapToWorkArea(Window(20, 300), kWorkArea), Window(20, 300)); // left alone
        QCOMPARE(SnapToWorkArea(Window(-50, 300), kWorkArea), Window(0, 300)); // beyond
        QCOMPARE(SnapToWorkArea(Window(300, 4), kWorkArea), Window(300, 0));
        QCOMPARE(SnapToWorkArea(Window(1075, 300), kWorkArea), Window(1080, 300));
        QCOMPARE(SnapToWorkArea(Window(1065, 300), kWorkArea), Window(1065, 300));
        QCOMPARE(SnapToWorkArea(Window(300, 705), kWorkArea), Window(300, 710));
        // Dragged past the bottom-right corner: flush in the corner.
        QCOMPARE(SnapToWorkArea(Window(1250, 790), kWorkArea), Window(1080, 710));
        QCOMPARE(SnapToWorkArea(Window(-30, -30), kWorkArea), Window(0, 0));
        // A second screen to the right has its own work area.
        const WindowRect right{1280, 0, 3200, 1050};
        QCOMPARE(SnapToWorkArea(Window(1284, 500), right), Window(1280, 500));
    }

    void snappingAlwaysEnds() {
        // Wider than the work area: the left edge wins.
        QCOMPARE(SnapToWorkArea(Window(100, 300, 1400), kWorkArea), Window(0, 300, 1400));
        QCOMPARE(SnapToWorkArea(Window(-100, 300, 1400), kWorkArea), Window(0, 300, 1400));
        // Nearly as wide: both side edges in reach; the left edge wins again.
        QCOMPARE(SnapToWorkArea(Window(3, 300, 1275), kWorkArea), Window(0, 300, 1275));
        // Taller than the work area: flush with the bottom.
        QCOMPARE(SnapToWorkArea(Window(300, 100, 200, 900), kWorkArea),
                 Window(300, -130, 200, 900));
    }

    void laysOutOneAndTwoLines() {
        const EntryMeasures m{{50, 20}, {80, 20}, {30, 18}};
        EntryLayout two = LayOutEntry(m, {false, true, true}, 1280);
        QCOMPARE(two.word, (Point{2, 0}));
        QCOMPARE(two.phonetic, (Point{50, 0}));
        QCOMPARE(two.meaning, (Point{2, 20}));
        QCOMPARE(two.blockWidth, 80);
        QCOMPARE(two.blockHeight, 38);
        QCOMPARE(two.windowWidth, 86);
        QCOMPARE(two.windowHeight, 47);
        QCOMPARE(two.barY, 39);

        const EntryLayout one = LayOutEntry(m, {true, true, false}, 1280);
        QCOMPARE(one.meaning, (Point{80, 0}));
        QCOMPARE(one.blockWidth, 160);
        QCOMPARE(one.blockHeight, 20);
        QCOMPARE(one.windowHeight, 27); // two pixels lower without the bar

        // Meaning off: one line whatever oneLine says.
        QCOMPARE(LayOutEntry(m, {false, false, true}, 1280).blockHeight, 20);

        // A block wider than the screen less 20 is cut.
        const EntryLayout wide = LayOutEntry({{900, 20}, {900, 20}, {30, 18}}, {true}, 1280);
        QCOMPARE(wide.blockWidth, 1260);
        QCOMPARE(wide.windowWidth, 1266);
    }

    void windowIsPushedOffTheRightEdge() {
        QCOMPARE(WindowLeft(100, 300, 0, 1280), 100);
        QCOMPARE(WindowLeft(975, 300, 0, 1280), 975); // 975 + 300 + 5 = 1280: fits
        QCOMPARE(WindowLeft(976, 300, 0, 1280), 975);
        QCOMPARE(WindowLeft(3000, 300, 1280, 1920), 2895); // on the second screen
        QCOMPARE(WindowLeft(1500, 300, 1280, 1920), 1500);
    }

    void splitsLinesForDisplay() {
        DisplayLine line = SplitLine("apple#苹果");
        QCOMPARE(line.word, QStringLiteral("apple"));
        QCOMPARE(line.meaning, QString::fromUtf8("苹果"));
        QCOMPARE(line.phonetic, QStringLiteral(" "));
        line = SplitLine("apple#苹果#ˈæpl");
        QCOMPARE(line.phonetic, QString::fromUtf8(" 2ˈæpl3 "));
        // GBK: "苹#果" read as one line, although the word's two bytes alone are valid UTF-8.
        line = SplitLine("\xc6\xbb#\xb9\xfb#\xc6\xbb");
        QCOMPARE(line.word, QString::fromUtf8("苹"));
        QCOMPARE(line.meaning, QString::fromUtf8("果"));
        QCOMPARE(line.phonetic, QString::fromUtf8(" 2苹3 "));
        line = SplitLine("Error#无该词库文件");
        QCOMPARE(line.word, QStringLiteral("Error"));
        QCOMPARE(line.meaning, QString::fromUtf8("无该词库文件"));
    }

    void tooltipShowsThePlace() {
        SettingsRecord s = DefaultSettings(96, {});
        s.groupNumber = 2;
        s.position = 5;
        QCOMPARE(TooltipText(s, 120), QString::fromUtf8("TOEFL 第2 组,第 5个单词"));
        s.position = 0; // the last entry of the group is on show
        QCOMPARE(TooltipText(s, 120), QString::fromUtf8("TOEFL 第2 组,第 50个单词"));
        s.grouping = 0;
        QCOMPARE(TooltipText(s, 100), QString::fromUtf8("TOEFL 第100个单词"));
        s.position = 42;
        QCOMPARE(TooltipText(s, 100), QString::fromUtf8("TOEFL 第42个单词"));
    }
};

QTEST_GUILESS_MAIN(TestWindowBehaviour)
#include "tst_windowbehaviour.moc"
