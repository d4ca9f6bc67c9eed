#include "companion/ui/CCompanion.h"

#include "companion/CurrentEntry.h"
#include "library/LineFields.h"
#include "recitation/CommandIds.h"
#include "recitation/ui/CLexadoDlg.h"
#include "settings/ui/SheetContext.h"

#include <utility>

namespace {

// Often enough that the recitation comes back as soon as the user does, and rarely enough to
// cost nothing: each look is a few requests to the X server.
constexpr int kPollMs = 1000;

} // namespace

CCompanion::CCompanion(CLexadoDlg& window, const QString& programFolder,
                       const QString& runtimeFolder, DesktopSources sources)
    : QObject(&window), window_(window), programFolder_(programFolder),
      options_(LoadCompanionOptions(programFolder)), sources_(std::move(sources)),
      server_([this](RemoteCommand command) { return Run(command); }) {
    // Without the socket the program runs as before; other programs cannot reach it.
    server_.Listen(runtimeFolder);
    connect(&poll_, &QTimer::timeout, this, &CCompanion::Poll);
    connect(&window.engine(), &RecitationEngine::entryShown, this, &CCompanion::ShowInTray);
    connect(&window.engine(), &RecitationEngine::pauseChanged, this, &CCompanion::ShowInTray);
    window.OfferDesktopPage([this] {
        return SheetDesktop{options_, heldElsewhere_,
                            [this](const CompanionOptions& options) { TakeOptions(options); }};
    });
    // The tray icon, the shortcuts and the desktop's signals: setting them up takes
    // milliseconds that would otherwise hold up the window's first sight.
    connect(&desktopStart_, &QTimer::timeout, this, &CCompanion::FollowOptions);
    window.StartAtFirstPaint(desktopStart_);
}

void CCompanion::TakeOptions(const CompanionOptions& options) {
    if (options == options_) {
        return; // a broken lexado.conf stays as it is until the user changes an option
    }
    options_ = options;
    SaveCompanionOptions(programFolder_, options_);
    FollowOptions();
}

void CCompanion::FollowOptions() {
    if (options_.trayIcon && !tray_) {
        tray_ = std::make_unique<CTrayIcon>();
        connect(tray_.get(), &CTrayIcon::remoteCommand, this, &CCompanion::Run);
        connect(tray_.get(), &CTrayIcon::windowCommand, &window_, &CLexadoDlg::RunCommand);
    } else if (!options_.trayIcon) {
        tray_.reset();
    }
    BindShortcuts();
    if (options_.idleSeconds > 0 || options_.pauseWhenLocked || options_.pauseWhenFullScreen) {
        poll_.start(kPollMs);
    } else {
        poll_.stop();
    }
    Poll();
}

RemoteReply CCompanion::Run(RemoteCommand command) {
    RecitationEngine& engine = window_.engine();
    switch (command) {
    case RemoteCommand::Pause:
        engine.Pause();
        break;
    case RemoteCommand::Resume:
        engine.Resume();
        break;
    case RemoteCommand::TogglePause:
        engine.TogglePause();
        break;
    case RemoteCommand::Next:
        // The entry comes at once and gets its whole time.
        engine.NextEntry();
        engine.RunTimers(true);
        break;
    case RemoteCommand::Known:
    case RemoteCommand::Again:
        return Rate(command == RemoteCommand::Known);
    case RemoteCommand::Show:
        PutAway(false);
        break;
    case RemoteCommand::Hide:
        PutAway(true);
        break;
    case RemoteCommand::Quit:
        window_.RunCommand(CommandId::Exit);
        break;
    case RemoteCommand::Current:
        return {0, CurrentEntryLine(engine.state().currentLine)};
    }
    return {};
}

// The reply names the entry rated, which "I know it" takes off the screen.
RemoteReply CCompanion::Rate(bool known) {
    const QByteArray rated = CurrentEntryLine(window_.engine().state().currentLine);
    const StoreResult result = window_.memory().Rate(known);
    if (!result.ok()) {
        return {1, "the rating was not saved: " + result.detail.toUtf8() + '\n'};
    }
    return {0, rated};
}

// In the order of lexado.conf's [Shortcuts]: pause, known, again, show.
void CCompanion::BindShortcuts() {
    if (!shortcuts_) {
        shortcuts_ = XcbShortcuts::Open();
        if (!shortcuts_) {
            return;
        }
        connect(shortcuts_.get(), &XcbShortcuts::activated, this, [this](int index) {
            constexpr RemoteCommand kCommands[] = {RemoteCommand::TogglePause, RemoteCommand::Known,
                                                   RemoteCommand::Again, RemoteCommand::Show};
            Run(index == 3 && window_.isVisible() ? RemoteCommand::Hide : kCommands[index]);
        });
    }
    heldElsewhere_ = shortcuts_->Bind({options_.pauseShortcut, options_.knownShortcut,
                                       options_.againShortcut, options_.showShortcut});
}

void CCompanion::PutAway(bool away) {
    desktop_.hiddenByUser = away;
    Follow();
}

void CCompanion::Poll() {
    const bool hidden = desktop_.hiddenByUser;
    desktop_ = ReadDesktop(sources_, OwnWindow{window_.winId(), window_.geometry()});
    desktop_.hiddenByUser = hidden;
    Follow();
}

void CCompanion::Follow() {
    window_.setVisible(!desktop_.hiddenByUser && !HidesWindow(desktop_, options_));
    window_.engine().SetAwayCause(AwayCauseOf(desktop_, options_));
    ShowInTray();
}

void CCompanion::ShowInTray() {
    if (tray_) {
        const RecitationEngine& engine = window_.engine();
        tray_->Show({DecodeFields(engine.state().currentLine).word, engine.state().paused,
                     engine.pause().automaticCause(), window_.isVisible()});
    }
}
