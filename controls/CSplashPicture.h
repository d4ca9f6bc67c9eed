#pragma once

#include "controls/PictureIds.h"

#include <QPixmap>
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

    // Shows the picture; nothing, and null, when it cannot be loaded.
    static CSplashPicture* Show(const QString& picturePath = PicturePath(PictureId::Splash),
                                int showTimeMs = kShowTimeMs);

    // The timer that closes the window.
    const QTimer& CloseTimer() const { return closeTimer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashPicture(const QPixmap& picture, int showTimeMs);
    void Dismiss();

    QPixmap picture_;
    QTimer closeTimer_;
};
