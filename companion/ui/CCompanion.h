#pragma once

#include "companion/AwayRule.h"
#include "companion/CompanionOptions.h"
#include "companion/DesktopSources.h"
#include "companion/RemoteServer.h"
#include "companion/XcbShortcuts.h"
#include "companion/ui/CTrayIcon.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CLexadoDlg;

// The main window's companion for a day at the desk: it answers the commands of other programs,
// pauses the recitation while the user is away, and steps the window aside and back as the
// desktop and the user ask.
class CCompanion : public QObject {
    Q_OBJECT

public:
    // Listens on the socket in the runtime folder (the program holds the single-copy lock) and
    // follows the desktop through the sources.
    CCompanion(CLexadoDlg& window, const QString& programFolder, const QString& runtimeFolder,
               DesktopSources sources);

    // The global shortcuts that another program already holds, for the settings sheet to show.
    const QStringList& shortcutsHeldElsewhere() const { return heldElsewhere_; }

private:
    RemoteReply Run(RemoteCommand command);
    RemoteReply Rate(bool known);
    // The options of the settings sheet's desktop page, confirmed: written to lexado.conf when
    // they changed, and followed at once.
    void TakeOptions(const CompanionOptions& options);
    void FollowOptions();
    void BindShortcuts();
    // Shows or puts away the window at the user's word; a full-screen program keeps it hidden.
    void PutAway(bool away);
    // Reads the desktop's sources again.
    void Poll();
    // Brings the window and the engine's pause in line with the desktop and the user.
    void Follow();
    void ShowInTray();

    CLexadoDlg& window_;
    QString programFolder_;
    CompanionOptions options_;
    DesktopSources sources_;
    DesktopState desktop_;
    QTimer poll_;
    QTimer desktopStart_; // until the desktop side is set up after the first paint
    RemoteServer server_;
    std::unique_ptr<CTrayIcon> tray_; // while its option is on
    std::unique_ptr<XcbShortcuts> shortcuts_;
    QStringList heldElsewhere_;
};
