#include "settings/ui/RunSettingsSheet.h"

#include "settings/ui/CMyPropertySheet.h"

std::optional<SettingsApplied> RunSettingsSheet(QWidget* mainWindow, const SettingsRecord& record,
                                                const SheetContext& context) {
    CMyPropertySheet sheet(record, context, mainWindow);
    if (sheet.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    if (const std::optional<CompanionOptions> desktop = sheet.desktopValues()) {
        context.desktop->confirmed(*desktop);
    }
    const SheetValues values = sheet.values();
    if (context.review) {
        context.review->confirmed(values.browse.byMemory);
    }
    SheetVoiceIds voices{{}, context.voiceInUse};
    for (const SheetVoice& voice : context.voices) {
        voices.ids.append(voice.id);
    }
    return ApplySettings(record, values, context.entryCount, voices);
}
