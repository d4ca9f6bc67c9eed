#include "settings/ui/CDesktopPage.h"

#include "strings/StringTable.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QKeySequenceEdit* ShortcutEdit(const QString& shortcut, QWidget* parent) {
    auto* edit = new QKeySequenceEdit(QKeySequence::fromString(shortcut), parent);
    edit->setClearButtonEnabled(true);
    // A global shortcut is one key with its modifiers: the first of what was typed.
    QObject::connect(edit, &QKeySequenceEdit::editingFinished, edit, [edit] {
        const QKeySequence typed = edit->keySequence();
        if (typed.count() > 1) {
            edit->setKeySequence(QKeySequence(typed[0]));
        }
    });
    return edit;
}

QString ShortcutText(const QKeySequenceEdit* edit) {
    return edit->keySequence().toString(QKeySequence::PortableText);
}

QCheckBox* CheckBox(StringId text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(StringText(text), parent);
    box->setChecked(checked);
    return box;
}

} // namespace

CDesktopPage::CDesktopPage(const CompanionOptions& options, const QStringList& heldElsewhere,
                           QWidget* parent)
    : QWidget(parent), idleSeconds_(new QSpinBox(this)),
      whenLocked_(CheckBox(StringId::DesktopWhenLocked, options.pauseWhenLocked, this)),
      whenFullScreen_(CheckBox(StringId::DesktopWhenFullScreen, options.pauseWhenFullScreen, this)),
      trayIcon_(CheckBox(StringId::DesktopTrayIcon, options.trayIcon, this)),
      pause_(ShortcutEdit(options.pauseShortcut, this)),
      known_(ShortcutEdit(options.knownShortcut, this)),
      again_(ShortcutEdit(options.againShortcut, this)),
      show_(ShortcutEdit(options.showShortcut, this)) {
    idleSeconds_->setRange(0, kMaxIdleSeconds);
    idleSeconds_->setValue(options.idleSeconds);

    auto* pause = new QGroupBox(StringText(StringId::DesktopPauseGroup), this);
    auto* pauseRows = new QVBoxLayout(pause);
    auto* idleRow = new QFormLayout;
    idleRow->addRow(StringText(StringId::DesktopIdleSeconds), idleSeconds_);
    pauseRows->addLayout(idleRow);
    pauseRows->addWidget(whenLocked_);
    pauseRows->addWidget(whenFullScreen_);

    auto* shortcuts = new QGroupBox(StringText(StringId::DesktopShortcutsGroup), this);
    auto* shortcutRows = new QFormLayout(shortcuts);
    shortcutRows->addRow(StringText(StringId::DesktopShortcutPause), pause_);
    shortcutRows->addRow(StringText(StringId::RateKnown), known_);
    shortcutRows->addRow(StringText(StringId::RateAgain), again_);
    shortcutRows->addRow(StringText(StringId::DesktopShortcutShow), show_);
    if (!heldElsewhere.isEmpty()) {
        auto* held = new QLabel(StringText(StringId::DesktopShortcutsHeld)
                                    .arg(heldElsewhere.join(QStringLiteral(", "))),
                                shortcuts);
        held->setWordWrap(true);
        shortcutRows->addRow(held);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pause);
    layout->addWidget(trayIcon_);
    layout->addWidget(shortcuts);
    layout->addStretch();
}

CompanionOptions CDesktopPage::values() const {
    CompanionOptions options;
    options.idleSeconds = idleSeconds_->value();
    options.pauseWhenLocked = whenLocked_->isChecked();
    options.pauseWhenFullScreen = whenFullScreen_->isChecked();
    options.trayIcon = trayIcon_->isChecked();
    options.pauseShortcut = ShortcutText(pause_);
    options.knownShortcut = ShortcutText(known_);
    options.againShortcut = ShortcutText(again_);
    options.showShortcut = ShortcutText(show_);
    return options;
}
