// The yardstick for Lexado's start-up: about the least a Qt Widgets program can show, one
// borderless window painting one line of text. Prints its start-up times at the first paint
// and ends; with --stay it keeps running instead, for measuring its memory.

#include "bench/startup/FirstPaint.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class OneLineWindow : public QWidget {
public:
    OneLineWindow() : QWidget(nullptr, Qt::FramelessWindowHint) { resize(320, 40); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("abandon  to give up completely"));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    MarkStartupPhase("main");
    QApplication app(argc, argv);
    MarkStartupPhase("app");
    OneLineWindow window;
    if (!QApplication::arguments().contains(QStringLiteral("--stay"))) {
        new FirstPaintWatch(&window);
    }
    window.show();
    MarkStartupPhase("show");
    return QApplication::exec();
}
