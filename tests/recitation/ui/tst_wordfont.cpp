#include "recitation/ui/WordFont.h"

#include <QFontDatabase>
#include <QtTest>

class TestWordFont : public QObject {
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

    void phoneticFontIsNineTenthsCutTowardZero() {
        LogFontA word = DefaultWordFont(96);
        QCOMPARE(word.lfHeight, -21);
        QCOMPARE(PhoneticFont(word, kPhoneticFamily).pixelSize(), 18);
        word.lfHeight = -20;
        QCOMPARE(PhoneticFont(word, kPhoneticFamily).pixelSize(), 18);
        word.lfHeight = -32;
        QCOMPARE(PhoneticFont(word, kPhoneticFamily).pixelSize(), 28);
        QCOMPARE(PhoneticFont(word, kPhoneticFamily).family(), kPhoneticFamily);
        QCOMPARE(PhoneticFont(word, QStringLiteral("DejaVu Sans")).family(),
                 QStringLiteral("DejaVu Sans"));
    }

    void phoneticFontIsInstalledAndRemoved() {
        const int id = InstallPhoneticFont(QStringLiteral(LEXADO_OUTPUT_DIR));
        QVERIFY(id >= 0);
        QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{kPhoneticFamily});
        RemovePhoneticFont(id);
        QVERIFY(QFontDatabase::applicationFontFamilies(id).isEmpty());
        QCOMPARE(InstallPhoneticFont(QStringLiteral("/no/such/folder")), -1);
    }
};

QTEST_MAIN(TestWordFont)
#include "tst_wordfont.moc"
