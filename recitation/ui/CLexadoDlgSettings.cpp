// The settings command of CLexadoDlg: the settings sheet on copies of the record, with the
// installed voices on its speech page; confirmed, the window takes the record it made, with
// fonts made from it and, where the speech choice changed, a new voice.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/MessageBox.h"
#include "recitation/ModeId.h"
#include "settings/ui/RunSettingsSheet.h"
#include "speech/SpeechEngine.h"
#include "speech/VoiceList.h"
#include "strings/StringTable.h"

namespace {

QList<SheetVoice> SheetVoices(const VoiceList& voices) {
    QList<SheetVoice> sheetVoices;
    const QStringList texts = voices.EntryTexts();
    for (int index = 0; index < texts.size(); ++index) {
        sheetVoices.append({texts.at(index), StoredModeId(voices.IdAt(index).value_or(QUuid()))});
    }
    return sheetVoices;
}

} // namespace

// The choice is taken before the record, so that the first entry after the sheet is already
// chosen by the mode confirmed.
SheetReview CLexadoDlg::ReviewPart() {
    const DayCounts today = memory_.TodayCounts();
    SheetReview review;
    review.byMemory = memory_.settings().enabled;
    review.today = StringText(StringId::ReviewDayCounts)
                       .arg(today.newWords)
                       .arg(today.ratings)
                       .arg(today.inSet);
    review.confirmed = [this](bool byMemory) {
        ReviewSettings settings = memory_.settings();
        settings.enabled = byMemory;
        if (!memory_.TakeSettings(settings)) {
            ShowMessage(this, StringText(StringId::WriteFileError));
        }
    };
    return review;
}

// Both timers stand still while the sheet is open and start afresh after it, with the time per
// word and the ticks the new record needs. Turning speech off keeps the voice, so that read
// again still speaks.
void CLexadoDlg::ChangeSettings() {
    const TimerHold hold = engine_.HoldTimers();
    VoiceList voices;
    SheetContext context;
    context.entryCount = engine_.entryCount();
    context.voices = SheetVoices(voices);
    context.speechAvailable = !context.voices.isEmpty();
    // The stored index may name another entry once voices were installed or removed: the
    // entry shown is the one of the stored voice, none when that voice is not installed.
    context.voiceInUse = voices.IndexOf(ModeIdOf(engine_.settings().speechModeId)).value_or(-1);
    context.testVoice = [&voices](int index) { voices.SpeakTestPhrase(index); };
    context.help = [this] { ShowHelp(); };
    if (desktopPage_) {
        context.desktop = desktopPage_();
    }
    if (memory_.isOpen()) {
        context.review = ReviewPart();
    }
    std::optional<SettingsApplied> applied = RunSettingsSheet(this, engine_.settings(), context);
    if (!applied) {
        return;
    }
    SettingsRecord& record = applied->record;
    TakeWordFont(record);
    bool speechReady = engine_.state().speechReady;
    if (applied->restartSpeech) {
        speechReady = StartSpeechEngine(speechEngine_, ModeIdOf(record.speechModeId));
    }
    engine_.ApplySettings(record, speechReady);
    engine_.NextEntry();
}
