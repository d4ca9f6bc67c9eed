#include "recitation/ui/WordFont.h"

#include <QFontDatabase>
#include <QtTest>

class TestWordFont : public QObject {
    Q_OBJECT

private slots:
    void phoneticFontIsNineTenthsCutTowardZero() {
        LogFontA word = DefaultWordFont(96);
        QCOMPARE(word.lfHeight, -21);
        QCOMPARE(PhoneticFont(word, kPhoneticFamily, 1.0).pixelSize(), 18);
        word.lfHeight = -20;
        QCOMPARE(PhoneticFont(word, kPhoneticFamily, 1.0).pixelSize(), 18);
        word.lfHeight = -32;
        QCOMPARE(PhoneticFont(word, kPhoneticFamily, 1.0).pixelSize(), 28);
        QCOMPARE(PhoneticFont(word, kPhoneticFamily, 2.0).pixelSize(), 56);
        QCOMPARE(PhoneticFont(word, kPhoneticFamily, 1.0).family(), kPhoneticFamily);
        QCOMPARE(PhoneticFont(word, QStringLiteral("DejaVu Sans"), 1.0).family(),
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
