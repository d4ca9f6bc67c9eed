#include "controls/CSplashPicture.h"

#include "controls/DialogPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

// The picture is a PNG, which Qt reads itself. Left to guess the format, Qt would first load its
// image-format plugins to ask each of them, which costs the start-up milliseconds.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

bool ClosesSplash(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress: {
        const Qt::MouseButton button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

} // namespace

CSplashPicture* CSplashPicture::Show(const QString& picturePath, int showTimeMs) {
    const QPixmap picture = ReadPng(picturePath);
    if (picture.isNull()) {
        return nullptr;
    }
    QPointer<CSplashPicture> splash = new CSplashPicture(picture, showTimeMs);
    splash->show();
    WaitForFirstPaint(splash);
    if (splash) { // a press meanwhile may have closed it
        splash->closeTimer_.start();
    }
    return splash;
}

// Start-up goes on with slower work once the picture is on the screen: until then events run,
// for a little while at most.
void CSplashPicture::WaitForFirstPaint(const QPointer<CSplashPicture>& splash) {
    if (!splash || splash->painted_) {
        return;
    }
    QEventLoop loop;
    connect(splash, &CSplashPicture::firstPainted, &loop, &QEventLoop::quit);
    connect(splash, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(kFirstPaintWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

CSplashPicture::CSplashPicture(const QPixmap& picture, int showTimeMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.deviceIndependentSize().toSize());
    CenterOnScreen(this);

    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(showTimeMs);
    connect(&closeTimer_, &QTimer::timeout, this, &CSplashPicture::Dismiss);
    // Every press of the program passes here first while the picture is up.
    QCoreApplication::instance()->installEventFilter(this);
}

void CSplashPicture::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
    if (!std::exchange(painted_, true)) {
        emit firstPainted();
    }
}

bool CSplashPicture::eventFilter(QObject*, QEvent* event) {
    // The shortcut check that comes before every key press: accepted, it keeps the key from
    // any shortcut, and the key press follows.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!ClosesSplash(event)) {
        return false;
    }
    Dismiss();
    return true;
}

void CSplashPicture::Dismiss() {
    QCoreApplication::instance()->removeEventFilter(this);
    closeTimer_.stop();
    close();
}
