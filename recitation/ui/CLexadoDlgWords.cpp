// Commands on the entry on show of CLexadoDlg: the new-word book, deleting words, progress
// files, and find.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/LibraryFile.h"
#include "library/NewWordBook.h"
#include "library/ui/CFindDlg.h"
#include "recitation/ProgressFile.h"
#include "recitation/ui/WordFont.h"
#include "strings/StringTable.h"

namespace {

FileDialogOptions ProgressFileDialog(FileDialogMode mode, const QString& programFolder) {
    return {mode, programFolder, QString::fromLatin1(kProgressFileFilter),
            QString::fromLatin1(kProgressFileSuffix)};
}

} // namespace

bool CLexadoDlg::LearningNewWordBook() const {
    return NameField(engine_.settings().libraryFile) == kNewWordBookFile;
}

void CLexadoDlg::ReadNewWordBookAgain() {
    engine_.ReloadLibrary(ReadWordLibrary(programFolder_, kNewWordBookFile).entries);
}

// The book being learnt is a library like any other, but this command changes its file under
// the list: the deletions made so far are written first and the list is read again after the
// change. When they cannot be written, the list keeps them and takes the line itself, and all
// of it is written at the next rewrite. The message boxes leave the timers running.
void CLexadoDlg::AddToNewWordBook() {
    const QByteArray line = engine_.state().currentLine;
    const bool learnt = LearningNewWordBook();
    const bool listWritten = learnt && WriteBackLibrary();
    if (!AppendToNewWordBook(programFolder_, line)) {
        ShowMessage(this, StringText(StringId::WriteFileError));
        return;
    }
    if (listWritten) {
        ReadNewWordBookAgain();
    } else if (learnt) {
        engine_.AppendEntry(line);
    }
    if (engine_.settings().confirmActions) {
        ShowMessage(this, StringText(StringId::WordAddedToNewWordBook));
    }
}

// Asked whatever confirmActions says. Emptied, the book being learnt shows that it is empty;
// not emptied, it keeps every deletion not yet written.
void CLexadoDlg::ClearNewWordBook() {
    const MessageAnswer answer =
        ShowMessage(this, StringText(StringId::ConfirmClearNewWordBook), MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        return;
    }
    if (!EmptyNewWordBook(programFolder_)) {
        ShowMessage(this, StringText(StringId::WriteFileError));
        return;
    }
    if (LearningNewWordBook()) {
        ReadNewWordBookAgain();
    }
}

// The entry is taken before the question: the word timer may present another entry while the
// question is open, and it is the entry the user was asked about that goes. The file is
// rewritten at the next rewrite point (choosing a library, loading progress, exit).
void CLexadoDlg::DeleteWord() {
    const std::optional<EntryOnShow> entry = engine_.EntryToRemove();
    if (!entry) {
        return;
    }
    if (engine_.settings().confirmActions &&
        ShowMessage(this, StringText(StringId::ConfirmDeleteWord), MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
        return;
    }
    engine_.RemoveEntry(*entry);
}

// The record describes the word font in use.
void CLexadoDlg::SaveProgress() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<QString> path =
        ChooseFile(this, ProgressFileDialog(FileDialogMode::Save, programFolder_));
    if (path && !WriteProgressFile(*path, engine_.settings())) {
        ShowMessage(this, StringText(StringId::WriteFileError));
    }
}

// Deletions reach the current library's file before anything is read, even when the chosen
// file then cannot be used. A file that is not one record long is refused and changes nothing.
// Of the loaded record, the library, the cursor, speech, the timers (when the hold ends) and
// the window's place take effect at once, brought onto a screen; colours and layout with the
// next entry, which follows at once; the word font stays the one in use.
void CLexadoDlg::LoadProgress() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<QString> path =
        ChooseFile(this, ProgressFileDialog(FileDialogMode::Open, programFolder_));
    if (!path) {
        return;
    }
    WriteBackLibrary();
    LoadedProgress loaded = ReadProgressFile(*path);
    if (loaded.status == ProgressStatus::NotProgressFile) {
        ShowMessage(this, StringText(StringId::NotProgressFile));
    }
    if (loaded.status != ProgressStatus::Read) {
        return;
    }
    SettingsRecord& record = loaded.record;
    BringOntoScreen(record);
    StoreFont(wordFont_, record.wordFont);
    const bool speechTurnedOn = record.speechOn && !engine_.settings().speechOn;
    engine_.AdoptProgress(record,
                          ReadWordLibrary(programFolder_, NameField(record.libraryFile)).entries);
    // A voice already in the slot stays, also when the loaded record turns speech off.
    if (speechTurnedOn) {
        StartSpeech();
    }
    engine_.NextEntry();
}

// The word timer starts afresh when the hold ends, so the entry found stays for a whole period;
// a paused window stays paused, the entry found shown with its meaning.
void CLexadoDlg::FindWord() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<qsizetype> found = CFindDlg::Run(this, engine_.library().words());
    if (found && *found < 0) {
        ShowMessage(this, StringText(StringId::WordNotFound));
    } else if (found) {
        engine_.ShowFoundEntry(*found);
    }
}
