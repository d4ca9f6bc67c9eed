#include "companion/ui/CTrayIcon.h"

#include "controls/MenuLayout.h"
#include "recitation/TooltipText.h"
#include "strings/StringTable.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// A row of the window's menu without its column of keys: "暂停(&P)　　Ctrl+P " gives "暂停(&P)".
QString MenuLabel(StringId id) {
    return SplitMenuText(StringText(id)).label;
}

QIcon ProgramIcon(bool greyed) {
    const QImage icon(QStringLiteral(":/pictures/lexado.png"));
    return QIcon(QPixmap::fromImage(
        greyed ? icon.convertToFormat(QImage::Format_Grayscale8).convertToFormat(icon.format())
               : icon));
}

} // namespace

CTrayIcon::CTrayIcon(QObject* parent) : QObject(parent) {
    icon_.setContextMenu(&menu_);
    connect(&menu_, &QMenu::aboutToShow, this, &CTrayIcon::BuildMenu);
    connect(
        &icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger) {
                emit remoteCommand(view_.windowVisible ? RemoteCommand::Hide : RemoteCommand::Show);
            }
        });
    BuildMenu();
    Show(view_);
    icon_.show();
}

void CTrayIcon::Show(const TrayView& view) {
    const bool greyedBefore = view_.paused;
    const bool first = icon_.icon().isNull();
    view_ = view;
    if (first || greyedBefore != view.paused) {
        icon_.setIcon(ProgramIcon(view.paused));
    }
    const QString tip = view.word.isEmpty() ? StringText(StringId::ProgramName) : view.word;
    icon_.setToolTip(view.cause ? tip + u'\n' + PauseReasonText(*view.cause) : tip);
}

// Built as it opens, in the language in use then.
void CTrayIcon::BuildMenu() {
    menu_.clear();
    QAction* pause = menu_.addAction(MenuLabel(StringId::MenuPause), this,
                                     [this] { emit remoteCommand(RemoteCommand::TogglePause); });
    pause->setCheckable(true);
    pause->setChecked(view_.paused);
    const bool visible = view_.windowVisible;
    menu_.addAction(StringText(visible ? StringId::TrayHideWindow : StringId::TrayShowWindow), this,
                    [this, visible] {
                        emit remoteCommand(visible ? RemoteCommand::Hide : RemoteCommand::Show);
                    });
    menu_.addSeparator();
    menu_.addAction(StringText(StringId::RateKnown), this,
                    [this] { emit remoteCommand(RemoteCommand::Known); });
    menu_.addAction(StringText(StringId::RateAgain), this,
                    [this] { emit remoteCommand(RemoteCommand::Again); });
    menu_.addAction(StringText(StringId::StatsCaption), this,
                    [this] { emit windowCommand(CommandId::Statistics); });
    menu_.addSeparator();
    menu_.addAction(MenuLabel(StringId::MenuSettings), this,
                    [this] { emit windowCommand(CommandId::Settings); });
    menu_.addAction(MenuLabel(StringId::MenuHelp), this,
                    [this] { emit windowCommand(CommandId::Help); });
    menu_.addAction(MenuLabel(StringId::MenuExit), this,
                    [this] { emit windowCommand(CommandId::Exit); });
}
