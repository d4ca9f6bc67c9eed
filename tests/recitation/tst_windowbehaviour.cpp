#include "recitation/DisplayLine.h"
#include "recitation/EntryLayout.h"
#include "recitation/KeyStrokes.h"
#include "recitation/TooltipText.h"
#include "recitation/WindowPlacement.h"
#include "recitation/WindowSnap.h"
#include "strings/StringTable.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr QRect kWorkArea(0, 0, 1280, 770); // a 1280 x 800 screen less a 30-pixel panel

QRect Window(int left, int top, int width = 200, int height = 60) {
    return {left, top, width, height};
}

// Desktops of one, two and three screens, the primary one first.
QList<ScreenArea> Desktop(const QString& name) {
    const ScreenArea laptop{{0, 0, 1280, 800}, kWorkArea};
    const ScreenArea wide{{0, 0, 1920, 1080}, {0, 0, 1920, 1050}};
    const QHash<QString, QList<ScreenArea>> desktops{
        {"laptop", {laptop}},
        {"two side by side", {wide, {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}}}},
        {"second on the left, lower", {wide, {{-1280, 200, 1280, 1024}, {-1280, 230, 1280, 994}}}},
        {"three in a row",
         {laptop,
          {{1280, 0, 1280, 800}, {1280, 0, 1280, 800}},
          {{2560, 0, 1280, 800}, {2560, 0, 1280, 800}}}},
    };
    return desktops.value(name);
}

} // namespace

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
        const QRect right(1280, 0, 1920, 1050);
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

    // The window goes whole into the work area of the screen holding most of it, or of the
    // primary screen when none holds any of it.
    void windowIsBroughtOntoAScreen_data() {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("inside") << "laptop" << Window(100, 100) << QPoint(100, 100);
        QTest::newRow("in the corner") << "laptop" << Window(1080, 710) << QPoint(1080, 710);
        QTest::newRow("a pixel past the right edge")
            << "laptop" << Window(1081, 300) << QPoint(1080, 300);
        QTest::newRow("over the panel") << "laptop" << Window(100, 750) << QPoint(100, 710);
        QTest::newRow("above the top") << "laptop" << Window(100, -20) << QPoint(100, 0);
        QTest::newRow("on a screen that has gone")
            << "laptop" << Window(2000, 300) << QPoint(1080, 300);
        QTest::newRow("far beyond the left")
            << "laptop" << Window(-1000000, -1000000) << QPoint(0, 0);
        QTest::newRow("mostly on the second screen")
            << "two side by side" << Window(1850, 500) << QPoint(1920, 500);
        QTest::newRow("mostly on the primary screen")
            << "two side by side" << Window(1780, 500) << QPoint(1720, 500);
        QTest::newRow("below the shorter second screen")
            << "two side by side" << Window(2000, 1000) << QPoint(2000, 964);
        QTest::newRow("on a screen left of the origin")
            << "second on the left, lower" << Window(-1000, 500) << QPoint(-1000, 500);
        QTest::newRow("over its panel")
            << "second on the left, lower" << Window(-1000, 210) << QPoint(-1000, 230);
        QTest::newRow("in the gap above it")
            << "second on the left, lower" << Window(-1000, 50) << QPoint(0, 50);
        QTest::newRow("mostly on the middle of three")
            << "three in a row" << Window(2400, 300) << QPoint(2360, 300);
        QTest::newRow("mostly on the last of three")
            << "three in a row" << Window(2500, 300) << QPoint(2560, 300);
        QTest::newRow("wider than the work area")
            << "laptop" << Window(100, 300, 1400) << QPoint(0, 300);
        QTest::newRow("taller than the work area")
            << "laptop" << Window(300, 100, 200, 900) << QPoint(300, 0);
        QTest::newRow("of no size") << "laptop" << Window(2000, 900, 0, 0) << QPoint(1279, 769);
    }

    void windowIsBroughtOntoAScreen() {
        QFETCH(QString, desktop);
        QFETCH(QRect, window);
        QFETCH(QPoint, placed);
        const QList<ScreenArea> screens = Desktop(desktop);
        const QRect workArea = ScreenHoldingMost(window, screens).workArea;
        const QRect result = PlaceInWorkArea(window, workArea);
        QCOMPARE(result, QRect(placed, window.size()));
        if (!window.isEmpty() && window.width() <= workArea.width() &&
            window.height() <= workArea.height()) {
            QVERIFY(workArea.contains(result));
        }
    }

    void laysOutOneAndTwoLines() {
        const EntryMeasures m{{50, 20}, {80, 20}, {30, 18}};
        EntryLayout two = LayOutEntry(m, {false, true, true}, 1280);
        QCOMPARE(two.word, QPoint(2, 0));
        QCOMPARE(two.phonetic, QPoint(50, 0));
        QCOMPARE(two.meaning, QPoint(2, 20));
        QCOMPARE(two.blockWidth, 80);
        QCOMPARE(two.blockHeight, 38);
        QCOMPARE(two.windowSize, QSize(86, 47));
        QCOMPARE(two.barY, 39);

        const EntryLayout one = LayOutEntry(m, {true, true, false}, 1280);
        QCOMPARE(one.meaning, QPoint(80, 0));
        QCOMPARE(one.blockWidth, 160);
        QCOMPARE(one.blockHeight, 20);
        QCOMPARE(one.windowSize, QSize(166, 27)); // two pixels lower without the bar

        // Meaning off: one line whatever oneLine says.
        QCOMPARE(LayOutEntry(m, {false, false, true}, 1280).blockHeight, 20);

        // A block wider than the screen less 20 is cut.
        const EntryLayout wide = LayOutEntry({{900, 20}, {900, 20}, {30, 18}}, {true}, 1280);
        QCOMPARE(wide.blockWidth, 1260);
        QCOMPARE(wide.windowSize.width(), 1266);
    }

    void splitsLinesForDisplay() {
        DisplayLine line = SplitLine("apple#苹果");
        QCOMPARE(line.word, QStringLiteral("apple"));
        QCOMPARE(line.meaning, QString::fromUtf8("苹果"));
        QCOMPARE(line.phonetic, QStringLiteral(" "));
        line = SplitLine("apple#苹果#ˈæpl");
        QCOMPARE(line.phonetic, QString::fromUtf8(" 2ˈæpl3 "));
        // Without the phonetic font the brackets themselves frame the transcription.
        line = SplitLine("apple#苹果#ˈæpl", TranscriptionFrame::Brackets);
        QCOMPARE(line.phonetic, QString::fromUtf8(" [ˈæpl] "));
        QCOMPARE(SplitLine("apple#苹果", TranscriptionFrame::Brackets).phonetic, u" ");
        // GBK: "苹#果" read as one line, although the word's two bytes alone are valid UTF-8.
        line = SplitLine("\xc6\xbb#\xb9\xfb#\xc6\xbb");
        QCOMPARE(line.word, QString::fromUtf8("苹"));
        QCOMPARE(line.meaning, QString::fromUtf8("果"));
        QCOMPARE(line.phonetic, QString::fromUtf8(" 2苹3 "));
        line = SplitLine("Error#无该词库文件");
        QCOMPARE(line.word, QStringLiteral("Error"));
        QCOMPARE(line.meaning, QString::fromUtf8("无该词库文件"));
    }

    // Group 2 of 50 entries each, in a list of 100; no language is the program's own copy.
    void tooltipShowsThePlace_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("tip");
        const auto row = [](const char* name, const char* language, bool grouping, int position,
                            const char* tip) {
            QTest::newRow(name) << language << grouping << position << QString::fromUtf8(tip);
        };
        row("group", "", true, 5, "TOEFL 第2 组,第 5个单词");
        row("group's last", "", true, 0, "TOEFL 第2 组,第 50个单词");
        row("list's last", "", false, 0, "TOEFL 第100个单词");
        row("list", "", false, 42, "TOEFL 第42个单词");
        row("English group", "English", true, 5, "TOEFL (No. 2 of the groups, word no. 5)");
        row("English list", "English", false, 42, "TOEFL (No. 42)");
        row("French group", "French", true, 5, "TOEFL (n°\u00a02 des groupes, mot n°\u00a05)");
        row("French list", "French", false, 42, "TOEFL (n°\u00a042)");
    }

    void tooltipShowsThePlace() {
        QFETCH(QString, language);
        QFETCH(bool, grouping);
        QFETCH(int, position);
        QFETCH(QString, tip);
        QTranslator translator; // removes itself when it goes
        if (!language.isEmpty()) {
            QVERIFY(
                translator.load(QStringLiteral(LEXADO_OUTPUT_DIR "/language/%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        SettingsRecord s = DefaultSettings(96, {});
        s.grouping = grouping;
        s.groupNumber = 2;
        s.position = position;
        QCOMPARE(TooltipText(s, 100), tip);
        QCOMPARE(TooltipText(s, 100, AwayCause::Locked),
                 tip + u'\n' + StringText(StringId::PauseLocked));
    }

    // Events: "+E660" Return pressed at 660 ms, "-E700" released, "~" the settle wait over;
    // S is Space, C Ctrl. A held key repeats a release and a press at one time.
    void keyStrokesEndOncePerPress_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("ended");
        // clang-format off
        QTest::newRow("tap")                        << "+E0 -E80 ~" << "E";
        QTest::newRow("held")                       << "+E0 -E660 +E660 ~ -E700 +E702 ~ -E1500 ~" << "E";
        QTest::newRow("repeat's press late")        << "+E0 -E660 ~ +E660 -E700 +E700 -E1500 ~" << "E";
        QTest::newRow("repeats without releases")   << "+S0 +S660 +S700 -S900 ~" << "S";
        QTest::newRow("two taps")                   << "+E0 -E80 ~ +E300 -E380 ~" << "EE";
        QTest::newRow("next press before the wait") << "+E0 -E80 +S90 -S150 ~" << "ES";
        QTest::newRow("pressed elsewhere")          << "-E80 ~" << "";
        QTest::newRow("held from elsewhere")        << "-E660 +E660 -E700 +E700 -E900 ~" << "";
        QTest::newRow("Ctrl let go first")          << "+C0 +E50 -C60 -E100 ~ -C200 ~" << "E";
        QTest::newRow("clock wraps")                << "+E4294967000 -E4294967295 +E1 ~ -E80 ~" << "E";
        // clang-format on
    }

    void keyStrokesEndOncePerPress() {
        QFETCH(QString, events);
        QFETCH(QString, ended);
        const QHash<QChar, int> keys{
            {u'E', Qt::Key_Return}, {u'S', Qt::Key_Space}, {u'C', Qt::Key_Control}};
        KeyStrokes strokes;
        QString seen;
        for (const QString& event : events.split(u' ')) {
            std::optional<int> endedKey;
            if (event == u"~") {
                endedKey = strokes.Settle();
            } else {
                const int key = keys.value(event[1]);
                const quint64 at = event.mid(2).toULongLong();
                endedKey = event[0] == u'+' ? strokes.Press(key, at) : strokes.Release(key, at);
            }
            if (endedKey) {
                seen += keys.key(*endedKey);
            }
        }
        QCOMPARE(seen, ended);
    }
};

QTEST_GUILESS_MAIN(TestWindowBehaviour)
#include "tst_windowbehaviour.moc"
