#pragma once

#include "controls/PictureIds.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// The start-up picture: a frameless window without a taskbar entry, centred on the screen,
// that closes itself after its time or at the first key or mouse-button press the program
// receives while it is up. That press is taken: no other window sees it. The window deletes
// itself when it closes; the main window may come up meanwhile, below it.
class CSplashPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowTimeMs = 1500;

    // Shows the picture and lets events run until it is painted; nothing, and null, when it
    // cannot be loaded. The time starts once it is on the screen.
    static CSplashPicture* Show(const QString& picturePath = PicturePath(PictureId::Splash),
                                int showTimeMs = kShowTimeMs);

    // The timer that closes the window.
    const QTimer& CloseTimer() const { return closeTimer_; }

signals:
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashPicture(const QPixmap& picture, int showTimeMs);
    void Dismiss();
    static void WaitForFirstPaint(const QPointer<CSplashPicture>& splash);

    // How long start-up waits at most for the window system to put the picture on the screen.
    static constexpr int kFirstPaintWaitMs = 500;

    QPixmap picture_;
    QTimer closeTimer_;
    bool painted_ = false;
};
