#include "settings/ui/RunSettingsSheet.h"

#include "settings/ui/CMyPropertySheet.h"

std::optional<SettingsApplied> RunSettingsSheet(QWidget* mainWindow, const SettingsRecord& record,
                                                const SheetContext& context) {
    CMyPropertySheet sheet(record, context, mainWindow);
    if (sheet.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    QList<Guid> voiceIds;
    for (const SheetVoice& voice : context.voices) {
        voiceIds.append(voice.id);
    }
    return ApplySettings(record, sheet.values(), RunState{context.paused, context.entryCount},
                         voiceIds);
}
