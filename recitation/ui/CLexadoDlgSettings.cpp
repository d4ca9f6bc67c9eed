// The settings command of CLexadoDlg: the settings sheet on copies of the record, with the
// installed voices on its speech page; confirmed, the window takes the record it made and
// rebuilds what it names.

#include "recitation/ui/CLexadoDlg.h"

#include "recitation/ModeId.h"
#include "settings/ui/RunSettingsSheet.h"
#include "speech/SpeechEngine.h"
#include "speech/VoiceList.h"

namespace {

QList<SheetVoice> SheetVoices(const VoiceList& voices) {
    QList<SheetVoice> sheetVoices;
    const QStringList texts = voices.EntryTexts();
    for (int index = 0; index < texts.size(); ++index) {
        sheetVoices.append({texts.at(index), StoredModeId(voices.IdAt(index).value_or(QUuid()))});
    }
    return sheetVoices;
}

// The speech page shows as chosen the voice that speaks: the stored index may name another
// entry once voices were installed or removed, and the default mode id names the British
// voice under an id of its own.
SettingsRecord RecordToShow(const SettingsRecord& record, const VoiceList& voices) {
    SettingsRecord shown = record;
    shown.speechEngineIndex =
        voices.IndexOf(ModeIdOf(record.speechModeId)).value_or(record.speechEngineIndex);
    return shown;
}

} // namespace

// Both timers stand still while the sheet is open and start afresh after it, with the time per
// word it set. Turning speech off keeps the voice, so that read again still speaks.
void CLexadoDlg::ChangeSettings() {
    const TimerHold hold = engine_.HoldTimers();
    VoiceList voices;
    SheetContext context;
    context.paused = engine_.state().paused;
    context.entryCount = engine_.entryCount();
    context.voices = SheetVoices(voices);
    context.speechAvailable = !context.voices.isEmpty();
    context.testVoice = [&voices](int index) { voices.SpeakTestPhrase(index); };
    context.help = [this] { ShowHelp(); };
    const std::optional<SettingsApplied> applied =
        RunSettingsSheet(this, RecordToShow(engine_.settings(), voices), context);
    if (!applied) {
        return;
    }
    SettingsRecord record = applied->record;
    if (applied->rebuildFonts) {
        TakeWordFont(record);
    }
    bool speechReady = engine_.state().speechReady;
    if (applied->restartSpeech) {
        speechReady = StartSpeechEngine(speechEngine_, ModeIdOf(record.speechModeId));
    }
    engine_.ApplySettings(record, speechReady);
    if (applied->showNextEntry) {
        engine_.NextEntry();
    }
}
