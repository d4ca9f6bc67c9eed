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
        const QFont font = FontFromLogFont(stored);
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pixelSize(), 21);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.italic() && font.strikeOut() && !font.underline());

        LogFontA back = DefaultWordFont(120);
        StoreFont(font, back);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&back), sizeof back),
                 QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored));
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
