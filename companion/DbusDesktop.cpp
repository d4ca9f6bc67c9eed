#include "companion/DbusDesktop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QObject>
#include <QVariantMap>

#include <unistd.h>

namespace {

const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kMutter = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kMutterPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A desktop's service answers at once or not at all; the window must not wait for it.
constexpr int kCallTimeoutMs = 200;

bool Offered(const QDBusConnection& bus, const QString& service) {
    return bus.isConnected() && bus.interface() != nullptr &&
           bus.interface()->isServiceRegistered(service).value();
}

// Idle milliseconds from a method that returns them as an unsigned number.
class DbusIdleTimeSource : public IdleTimeSource {
public:
    DbusIdleTimeSource(const QString& service, const QString& path, const QString& interface,
                       const QString& method)
        : interface_(service, path, interface, QDBusConnection::sessionBus()), method_(method) {
        interface_.setTimeout(kCallTimeoutMs);
    }

    std::optional<int> IdleSeconds() override {
        const QDBusMessage reply = interface_.call(method_);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return std::nullopt;
        }
        return int(reply.arguments().constFirst().toULongLong() / 1000);
    }

private:
    QDBusInterface interface_;
    QString method_;
};

// Keeps the last state a signal told, after asking once.
class SignalledLock : public QObject, public LockSource {
public:
    bool Locked() override { return locked_; }

protected:
    void Take(bool locked) { locked_ = locked; }

private:
    bool locked_ = false;
};

class ScreenSaverLock : public SignalledLock {
    Q_OBJECT

public:
    ScreenSaverLock() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(kScreenSaver, kScreenSaverPath, kScreenSaver, QStringLiteral("ActiveChanged"),
                    this, SLOT(OnActiveChanged(bool)));
        QDBusInterface screenSaver(kScreenSaver, kScreenSaverPath, kScreenSaver, bus);
        screenSaver.setTimeout(kCallTimeoutMs);
        const QDBusReply<bool> active = screenSaver.call(QStringLiteral("GetActive"));
        Take(active.isValid() && active.value());
    }

private slots:
    void OnActiveChanged(bool active) { Take(active); }
};

class LogindLock : public SignalledLock {
    Q_OBJECT

public:
    explicit LogindLock(const QString& session) : session_(session) {
        QDBusConnection::systemBus().connect(
            kLogin, session_, kProperties, QStringLiteral("PropertiesChanged"), this,
            SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
        Read();
    }

private slots:
    void OnPropertiesChanged(const QString&, const QVariantMap& changed,
                             const QStringList& invalidated) {
        if (changed.contains(QStringLiteral("LockedHint"))) {
            Take(changed.value(QStringLiteral("LockedHint")).toBool());
        } else if (invalidated.contains(QStringLiteral("LockedHint"))) {
            Read();
        }
    }

private:
    void Read() {
        QDBusInterface properties(kLogin, session_, kProperties, QDBusConnection::systemBus());
        properties.setTimeout(kCallTimeoutMs);
        const QDBusReply<QDBusVariant> hint =
            properties.call(QStringLiteral("Get"), QStringLiteral("org.freedesktop.login1.Session"),
                            QStringLiteral("LockedHint"));
        Take(hint.isValid() && hint.value().variant().toBool());
    }

    QString session_;
};

// The object path of this process's session in logind; empty when logind does not know it.
QString LogindSession() {
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (!Offered(bus, kLogin)) {
        return {};
    }
    QDBusInterface manager(kLogin, QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), bus);
    manager.setTimeout(kCallTimeoutMs);
    const QDBusReply<QDBusObjectPath> session =
        manager.call(QStringLiteral("GetSessionByPID"), quint32(getpid()));
    return session.isValid() ? session.value().path() : QString();
}

} // namespace

std::unique_ptr<IdleTimeSource> DbusIdleTime() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (Offered(bus, kScreenSaver)) {
        return std::make_unique<DbusIdleTimeSource>(kScreenSaver, kScreenSaverPath, kScreenSaver,
                                                    QStringLiteral("GetSessionIdleTime"));
    }
    if (Offered(bus, kMutter)) {
        return std::make_unique<DbusIdleTimeSource>(kMutter, kMutterPath, kMutter,
                                                    QStringLiteral("GetIdletime"));
    }
    return nullptr;
}

std::unique_ptr<LockSource> DbusLock() {
    if (Offered(QDBusConnection::sessionBus(), kScreenSaver)) {
        return std::make_unique<ScreenSaverLock>();
    }
    const QString session = LogindSession();
    if (!session.isEmpty()) {
        return std::make_unique<LogindLock>(session);
    }
    return nullptr;
}

#include "DbusDesktop.moc"
