// Work run off the window's thread: the window is disabled and the pointer busy meanwhile, the
// window's thread goes on handling events, and an indicator appears when the work takes long.

#include "controls/BusyWork.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

class TestBusyWork : public QObject {
    Q_OBJECT

private slots:
    void windowWaitsWhileTheWorkRuns() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The work ends only when a timer of the window's thread lets it, once the indicator
        // is on show: with that thread blocked it would run until it gives up.
        std::atomic<bool> release = false;
        bool disabled = false;
        bool busyPointer = false;
        QString indicator;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &window, [&] {
            disabled = !window.isEnabled();
            const QCursor* pointer = QApplication::overrideCursor();
            busyPointer = pointer && pointer->shape() == Qt::BusyCursor;
            const auto* progress = window.findChild<QProgressDialog*>();
            if (progress && progress->isVisible()) {
                indicator = progress->labelText();
                release = true;
            }
        });
        watch.start(50);
        std::thread::id workThread;
        bool released = false;
        RunWhileBusy(&window, QStringLiteral("Importing"), [&] {
            workThread = std::this_thread::get_id();
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!release && std::chrono::steady_clock::now() < giveUp) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            released = release;
        });
        watch.stop();
        QVERIFY(released);
        QVERIFY(workThread != std::this_thread::get_id());
        QVERIFY(disabled);
        QVERIFY(busyPointer);
        QCOMPARE(indicator, QStringLiteral("Importing"));

        QVERIFY(window.isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!window.findChild<QProgressDialog*>());
    }
};

QTEST_MAIN(TestBusyWork)
#include "tst_busywork.moc"
