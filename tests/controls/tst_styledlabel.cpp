// The styled label: how its style aligns and wraps its text, its colours in each blink phase,
// its font sizes, and what it paints.

#include "tests/controls/DesktopHandler.h"

#include "controls/CStyledLabel.h"
#include "controls/LabelRules.h"
#include "controls/StaticText.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr QColor kText{0xF0, 0xE0, 0xD0};
constexpr QColor kBack{0x10, 0x20, 0x30};

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestStyledLabel : public QObject {
    Q_OBJECT

private slots:
    void formatRules_data() {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flags");
        const int left = Qt::AlignLeft | Qt::AlignTop;
        const int right = Qt::AlignRight | Qt::AlignTop;
        const int centre = Qt::AlignHCenter | Qt::AlignTop;
        const int single = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
        const QString oneLine = QStringLiteral("a b");
        QTest::newRow("left") << 0x0u << oneLine << (left | Qt::TextWordWrap);
        QTest::newRow("left, no wrap") << 0xCu << oneLine << left;
        QTest::newRow("one no-wrap bit") << 0x4u << oneLine << left;
        QTest::newRow("right") << 0x2u << oneLine << right;
        QTest::newRow("right over no wrap") << 0xEu << oneLine << right;
        QTest::newRow("centre over right") << 0x3u << oneLine << centre;
        QTest::newRow("centre image, one line") << 0x201u << oneLine << single;
        QTest::newRow("centre image over right") << 0x202u << oneLine << single;
        QTest::newRow("centre image, two lines") << 0x201u << QStringLiteral("a\nb") << centre;
    }

    void formatRules() {
        QFETCH(unsigned, style);
        QFETCH(QString, text);
        QFETCH(int, flags);
        QCOMPARE(StaticTextFlags(style, text), flags);
    }

    void blinkPhases_data() {
        QTest::addColumn<BlinkKind>("kind");
        QTest::addColumn<bool>("flashOn");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("back");
        QTest::newRow("none") << BlinkKind::None << false << kText << kBack;
        QTest::newRow("text, on") << BlinkKind::Text << true << kText << kBack;
        QTest::newRow("text, off") << BlinkKind::Text << false << kBack << kBack;
        QTest::newRow("background, on") << BlinkKind::Background << true << kText << kBack;
        QTest::newRow("background, off") << BlinkKind::Background << false << kBack << kText;
    }

    void blinkPhases() {
        QFETCH(BlinkKind, kind);
        QFETCH(bool, flashOn);
        QFETCH(QColor, text);
        QFETCH(QColor, back);
        const LabelColours colours = BlinkPhaseColours({kText, kBack}, kind, flashOn);
        QCOMPARE(colours.text, text);
        QCOMPARE(colours.back, back);
    }

    void pointSizes() {
        QCOMPARE(PointSizePixels(10, 96), 13);
        QCOMPARE(PointSizePixels(9, 96), 12);
        QCOMPARE(PointSizePixels(-10, 96), 13);
        QCOMPARE(PointSizePixels(7, 96), 9);
        QCOMPARE(PointSizePixels(10, 120), 16);
    }

    // The label paints exactly what a painter with its colours and font paints: one line in
    // the middle of its background.
    void paintsItsColoursAndFont() {
        CStyledLabel label(QStringLiteral("Lexado"),
                           StaticStyle::Centre | StaticStyle::CentreImage);
        label.resize(200, 60);
        label.SetBackColour(kBack).SetTextColour(kText).SetFaceName("DejaVu Sans").SetBold(true);
        label.SetPointSize(20);
        QCOMPARE(label.font().pixelSize(), PointSizePixels(20, label.logicalDpiY()));

        QImage expected(label.size(), QImage::Format_RGB32);
        expected.fill(kBack);
        QPainter painter(&expected);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(PointSizePixels(20, label.logicalDpiY()));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(kText);
        painter.drawText(expected.rect(), Qt::AlignCenter | Qt::TextSingleLine, "Lexado");
        painter.end();
        const QImage painted = Grab(label);
        QCOMPARE(painted, expected);
        QVERIFY(CountPixels(painted, kText) > 20);
    }

    // Without a colour of its own, the background is the palette's button colour, and follows
    // the palette.
    void defaultBackgroundFollowsThePalette() {
        CStyledLabel label(QStringLiteral("x"), StaticStyle::Right);
        label.resize(60, 20);
        QCOMPARE(Grab(label).pixel(2, 10), label.palette().color(QPalette::Button).rgb());
        QPalette changed = label.palette();
        changed.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
        label.setPalette(changed);
        QCOMPARE(Grab(label).pixel(2, 10), qRgb(0x12, 0x34, 0x56));
    }

    // A blinking text starts hidden and shows half a second later; turned off, it shows. A
    // blinking background starts with the colours swapped.
    void blinks() {
        CStyledLabel label(QStringLiteral("MMMM"));
        label.resize(80, 30);
        label.SetBackColour(kBack).SetTextColour(kText).SetPointSize(16);
        label.BlinkText(true);
        QCOMPARE(CountPixels(Grab(label), kBack), 80 * 30);
        QTRY_VERIFY(CountPixels(Grab(label), kText) > 0);
        label.BlinkText(false);
        QVERIFY(CountPixels(Grab(label), kText) > 0);

        label.BlinkBackground(true);
        QCOMPARE(Grab(label).pixel(79, 29), kText.rgb());
        label.BlinkBackground(false);
        QCOMPARE(Grab(label).pixel(79, 29), kBack.rgb());
    }

    // Frames take their pixels from the label's rectangle.
    void framesAroundTheText() {
        CStyledLabel label(QString{});
        label.resize(20, 20);
        label.SetBackColour(kBack).SetFrameBorder(true).SetStaticEdge(true);
        const QImage painted = Grab(label);
        QCOMPARE(painted.pixel(0, 10), label.palette().color(QPalette::WindowText).rgb());
        QCOMPARE(painted.pixel(1, 10), label.palette().color(QPalette::Dark).rgb());
        QCOMPARE(painted.pixel(18, 10), label.palette().color(QPalette::Light).rgb());
        QCOMPARE(painted.pixel(2, 10), kBack.rgb());
        QCOMPARE(label.contentsRect(), QRect(2, 2, 16, 16));
    }

    // A click opens the text with the desktop's handler, or is reported, or passes on.
    void clicks() {
        DesktopHandler handler;
        QWidget window;
        auto* label =
            new CStyledLabel(QStringLiteral("lexado-test:label"), StaticStyle::Left, &window);
        label->setGeometry(0, 0, 100, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(label, &CStyledLabel::clicked);

        QTest::mouseClick(label, Qt::LeftButton);
        label->SetClickAction(true, false);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(handler.Opened(), QStringList{});

        label->SetClickAction(true, true);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(handler.Opened(), QStringList{"lexado-test:label"});
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestStyledLabel)
#include "tst_styledlabel.moc"
