#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

// Shortcuts that work from any program: the keys are grabbed on the X server's root window, in
// every combination of the lock keys (Caps Lock, Num Lock), on a connection of their own.
class XcbShortcuts : public QObject {
    Q_OBJECT

public:
    // Nothing without an X server.
    static std::unique_ptr<XcbShortcuts> Open();
    ~XcbShortcuts() override;

    // Grabs these shortcuts (in lexado.conf's notation; empty for none), in place of those
    // grabbed before. Returns the ones another program already holds, or that cannot be read
    // or have no key on this keyboard.
    QStringList Bind(const QStringList& shortcuts);

signals:
    // The shortcut of this index in the list bound was pressed.
    void activated(int index);

private:
    explicit XcbShortcuts(xcb_connection_t* connection);
    void Release();
    void ReadEvents();

    struct Grab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
        int index = 0;
    };
    xcb_connection_t* connection_;
    std::uint32_t root_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<Grab> grabs_;
};
