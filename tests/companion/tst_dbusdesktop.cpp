// The desktop's signals over a real D-Bus session bus (the test runs under dbus-run-session),
// with a screen saver service of the test's own on it, as KDE and others offer one.

#include "companion/DbusDesktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtTest>

class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    bool active = false;
    uint idleMs = 0;

public slots:
    bool GetActive() const { return active; }
    uint GetSessionIdleTime() const { return idleMs; }
};

class TestDbusDesktop : public QObject {
    Q_OBJECT

private slots:
    // Without the service there are no sources; with it, the idle time is read when asked and
    // the lock follows ActiveChanged.
    void screenSaverGivesIdleTimeAndLock() {
        QVERIFY(!DbusIdleTime());
        QDBusConnection bus = QDBusConnection::sessionBus();
        FakeScreenSaver screenSaver;
        screenSaver.active = true;
        screenSaver.idleMs = 125'400;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &screenSaver,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));

        const std::unique_ptr<IdleTimeSource> idle = DbusIdleTime();
        QVERIFY(idle);
        QCOMPARE(idle->IdleSeconds(), std::optional<int>(125));
        const std::unique_ptr<LockSource> lock = DbusLock();
        QVERIFY(lock);
        QVERIFY(lock->Locked());
        for (const bool active : {false, true}) {
            QDBusMessage changed = QDBusMessage::createSignal(
                QStringLiteral("/org/freedesktop/ScreenSaver"),
                QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("ActiveChanged"));
            changed << active;
            QVERIFY(bus.send(changed));
            QTRY_COMPARE(lock->Locked(), active);
        }
    }
};

QTEST_GUILESS_MAIN(TestDbusDesktop)
#include "tst_dbusdesktop.moc"
