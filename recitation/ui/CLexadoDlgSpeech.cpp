// Speech of CLexadoDlg: the engine slot, filled at start-up when speech is on, by a progress
// file that turns speech on, by read again when automatic speech is off and by the settings
// sheet; every entry shown is spoken while speech is on and a voice is ready.

#include "recitation/ui/CLexadoDlg.h"

#include "library/LineFields.h"
#include "recitation/ModeId.h"
#include "speech/SpeechEngine.h"

// Starts the chosen voice in the slot, in place of the one there; speechReady says whether it
// started. A voice that cannot start is not reported: nothing is spoken and read again is grey.
void CLexadoDlg::StartSpeech() {
    engine_.SetSpeechReady(
        StartSpeechEngine(speechEngine_, ModeIdOf(engine_.settings().speechModeId)));
}

// Returns at once; a word still being spoken is cut off.
void CLexadoDlg::SpeakWord(const QString& word) {
    if (speechEngine_ != nullptr) {
        speechEngine_->Speak(word);
    }
}

// The word on show again, with the voice in use; with automatic speech off the chosen voice is
// started first. Nothing while no voice has started in this run.
void CLexadoDlg::ReadAgain() {
    switch (engine_.ReadAgain()) {
    case ReadAgainAction::Nothing:
        return;
    case ReadAgainAction::StartVoiceThenSpeak:
        StartSpeech();
        break;
    case ReadAgainAction::Speak:
        break;
    }
    if (engine_.state().speechReady) {
        SpeakWord(SpokenWord(engine_.state().currentLine));
    }
}

void CLexadoDlg::ReleaseSpeech() {
    speechEngine_.reset();
    engine_.SetSpeechReady(false);
}
