#pragma once

#include "recitation/SettingsRecord.h"
#include "settings/ApplySettings.h"
#include "settings/ui/SheetContext.h"

#include <optional>

class QWidget;

// The settings command: runs the settings sheet modally over `mainWindow` on copies of the
// record's fields. Cancel (or closing the sheet) gives nothing; OK gives the new record and
// whether speech restarts (ApplySettings), and hands the desktop page's values and the choice
// of the word memory's mode, where the context offers them, to the context.
std::optional<SettingsApplied> RunSettingsSheet(QWidget* mainWindow, const SettingsRecord& record,
                                                const SheetContext& context);
