#include "controls/BusyWork.h"

#include "strings/StringTable.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

namespace {

// Work done sooner shows no indicator, which would only flash.
constexpr int kIndicatorDelayMs = 400;

} // namespace

BusyWindow::BusyWindow(QWidget* window) : window_(window) {
    window_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

BusyWindow::~BusyWindow() {
    QApplication::restoreOverrideCursor();
    window_->setEnabled(true);
}

void RunWhileBusy(QWidget* window, const QString& text, const std::function<void()>& work) {
    const BusyWindow busy(window);
    // No cancel button: the work runs to its end.
    QProgressDialog indicator(text, QString(), 0, 0, window);
    indicator.setWindowTitle(StringText(StringId::ProgramName));
    indicator.setWindowModality(Qt::WindowModal);
    indicator.setMinimumDuration(kIndicatorDelayMs);
    indicator.setValue(0);

    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
}
