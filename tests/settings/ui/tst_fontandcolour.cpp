#include "settings/ui/FontAndColour.h"

#include <QtTest>

class TestFontAndColour : public QObject {
    Q_OBJECT

private slots:
    // Face, pixel height, weight, italic, underline and strike-out survive the way from the
    // stored record to a font and back; the other stored bytes stay as they were.
    void storedFontRoundTrips() {
        LogFontA stored = DefaultWordFont(96);
        SetNameField(stored.lfFaceName, "DejaVu Serif");
        stored.lfWeight = 700;
        stored.lfItalic = 1;
        stored.lfStrikeOut = 1;
        const QFont font = FontFromLogFont(stored, 1.0);
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pixelSize(), 21);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.italic() && font.strikeOut() && !font.underline());

        LogFontA back = DefaultWordFont(120);
        StoreFont(font, back, 1.0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&back), sizeof back),
                 QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored));
    }

    // The stored height is in the record's pixels: drawn scaled, stored unscaled, and a stored
    // height that draws the font's height is kept as it is.
    void heightFollowsTheScale_data() {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("storedChoice");
        QTest::newRow("96 dpi") << 1.0 << -21 << 21 << 30 << -30;
        QTest::newRow("192 dpi") << 2.0 << -21 << 42 << 30 << -15;
        QTest::newRow("120 dpi") << 1.25 << -21 << 26 << 31 << -25;
        QTest::newRow("72 dpi, kept") << 0.75 << -22 << 17 << 17 << -22;
        QTest::newRow("cell height") << 2.0 << 21 << 42 << 42 << -21;
    }
    void heightFollowsTheScale() {
        QFETCH(qreal, scale);
        QFETCH(int, stored);
        LogFontA font = DefaultWordFont(96);
        font.lfHeight = stored;
        QTEST(FontFromLogFont(font, scale).pixelSize(), "drawn");
        QFETCH(int, chosen);
        QFont choice(QStringLiteral("Arial"));
        choice.setPixelSize(chosen);
        StoreFont(choice, font, scale);
        QTEST(font.lfHeight, "storedChoice");
    }

    void coloursAreStoredBlueGreenRed() {
        QCOMPARE(ColorFromColorRef(0x00FF8000), QColor(0, 128, 255));
        QCOMPARE(ColorFromColorRef(0x000000FF), QColor(255, 0, 0));
        QCOMPARE(ColorRefFromColor(QColor(0, 128, 255)), 0x00FF8000u);
        QCOMPARE(ColorRefFromColor(QColor(0x12, 0x34, 0x56, 0x78)), 0x00563412u);
    }
};

QTEST_MAIN(TestFontAndColour)
#include "tst_fontandcolour.moc"
