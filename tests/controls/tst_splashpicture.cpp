// The start-up picture under the offscreen platform: its picture and place, its timer, and
// the press that closes it, which no other window sees.

#include "controls/CSplashPicture.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QtTest>

namespace {

// The window the program shows meanwhile: it counts what reaches it.
class Witness : public QWidget {
public:
    Witness() {
        resize(200, 100);
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), this);
        connect(shortcut, &QShortcut::activated, this, [this] { ++shortcuts; });
    }
    int keys = 0;
    int presses = 0;
    int menus = 0;
    int shortcuts = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

QList<QRgb> Pixels(const QImage& image) {
    QList<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pixels << image.pixel(x, y);
        }
    }
    return pixels;
}

int Reached(const Witness& witness) {
    return witness.keys + witness.presses + witness.menus + witness.shortcuts;
}

} // namespace

class TestSplashPicture : public QObject {
    Q_OBJECT

private slots:
    // A 297 x 220 picture of at most 256 colours, shown whole, frameless and without a
    // taskbar entry in the middle of the screen, closing itself after 1.5 seconds.
    void showsThePictureInTheMiddle() {
        const QImage picture(PicturePath(PictureId::Splash));
        QCOMPARE(picture.size(), QSize(297, 220));
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QVERIFY(picture.colorCount() <= 256);

        QPointer<CSplashPicture> splash = CSplashPicture::Show();
        QVERIFY(splash);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(splash->geometry().size(), QSize(297, 220));
        QCOMPARE(splash->geometry().center(), screen.center());
        QCOMPARE(Pixels(splash->grab().toImage()), Pixels(picture));

        QVERIFY(splash->CloseTimer().isActive());
        QVERIFY(splash->CloseTimer().isSingleShot());
        QCOMPARE(splash->CloseTimer().interval(), 1500);
        splash->close();
        QTRY_VERIFY(splash.isNull());
    }

    void closesAfterItsTime() {
        QPointer<CSplashPicture> splash = CSplashPicture::Show(PicturePath(PictureId::Splash), 20);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QTRY_VERIFY(splash.isNull());
    }

    void noPictureShowsNothing() {
        const qsizetype windows = QApplication::topLevelWidgets().size();
        QVERIFY(!CSplashPicture::Show(QStringLiteral(":/pictures/no-such-picture.png")));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    }

    // The first key or button press closes the picture, wherever it is aimed, and goes no
    // further: not to the window's key and mouse handlers, shortcuts or context menu. The next
    // press reaches the window as usual.
    void firstPressClosesAndIsTaken_data() {
        QTest::addColumn<int>("press");
        QTest::newRow("key") << 0;
        QTest::newRow("shortcut") << 1;
        QTest::newRow("left button") << 2;
        QTest::newRow("right button") << 3;
        QTest::newRow("middle button") << 4;
    }
    void firstPressClosesAndIsTaken() {
        QFETCH(int, press);
        const auto pressOn = [press](QWidget* target) {
            switch (press) {
            case 0:
                return QTest::keyClick(target, Qt::Key_Return);
            case 1:
                return QTest::keyClick(target, Qt::Key_F1);
            case 2:
                return QTest::mousePress(target->windowHandle(), Qt::LeftButton);
            case 3:
                return QTest::mousePress(target->windowHandle(), Qt::RightButton);
            default:
                return QTest::mousePress(target->windowHandle(), Qt::MiddleButton);
            }
        };
        QPointer<CSplashPicture> splash = CSplashPicture::Show();
        QVERIFY(splash);
        Witness window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        pressOn(&window);
        QVERIFY(!splash || !splash->isVisible());
        QCOMPARE(Reached(window), 0);
        QTRY_VERIFY(splash.isNull());

        pressOn(&window);
        QVERIFY(Reached(window) > 0);
        QCOMPARE(window.menus, press == 3 ? 1 : 0);
    }

    // A press aimed at the picture itself closes it just as well.
    void pressOnThePictureClosesIt() {
        QPointer<CSplashPicture> splash = CSplashPicture::Show();
        QVERIFY(splash);
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(TestSplashPicture)
#include "tst_splashpicture.moc"
