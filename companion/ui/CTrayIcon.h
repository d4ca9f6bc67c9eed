#pragma once

#include "companion/RemoteCommand.h"
#include "recitation/CommandIds.h"
#include "recitation/PauseState.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <optional>

// What the tray icon shows.
struct TrayView {
    QString word; // on show
    bool paused = false;
    std::optional<AwayCause> cause; // of an automatic pause
    bool windowVisible = true;
};

// The program's icon in the desktop's tray, greyed while the recitation is paused, the word on
// show and the reason of a pause in its tip. A click shows or hides the window; its menu holds
// the commands of a day at the desk, in the interface language.
class CTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit CTrayIcon(QObject* parent = nullptr);

    void Show(const TrayView& view);

signals:
    void remoteCommand(RemoteCommand command);
    void windowCommand(CommandId command);

private:
    void BuildMenu();

    QSystemTrayIcon icon_;
    QMenu menu_;
    TrayView view_;
};
