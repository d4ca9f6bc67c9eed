#pragma once

#include "companion/CompanionOptions.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QKeySequenceEdit;
class QSpinBox;

// The desktop page ("桌面"): when the recitation pauses by itself, the tray icon and the global
// shortcuts, with the shortcuts another program already holds.
class CDesktopPage : public QWidget {
    Q_OBJECT

public:
    CDesktopPage(const CompanionOptions& options, const QStringList& heldElsewhere,
                 QWidget* parent = nullptr);

    CompanionOptions values() const;

private:
    QSpinBox* idleSeconds_;
    QCheckBox* whenLocked_;
    QCheckBox* whenFullScreen_;
    QCheckBox* trayIcon_;
    QKeySequenceEdit* pause_;
    QKeySequenceEdit* known_;
    QKeySequenceEdit* again_;
    QKeySequenceEdit* show_;
};
