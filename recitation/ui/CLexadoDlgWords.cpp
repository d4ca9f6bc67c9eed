// Commands on the entry on show of CLexadoDlg: the new-word book, deleting words, progress
// files, and find.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/NewWordBook.h"
#include "library/WordDeletion.h"
#include "library/ui/CFindDlg.h"
#include "recitation/LocateEntry.h"
#include "recitation/ProgressFile.h"
#include "recitation/ui/WordFont.h"
#include "strings/StringTable.h"

namespace {

FileDialogOptions ProgressFileDialog(FileDialogMode mode, const QString& programFolder) {
    return {mode, programFolder, QString::fromLatin1(kProgressFileFilter),
            QString::fromLatin1(kProgressFileSuffix)};
}

} // namespace

// When the book is the library being learnt, a change of its file must not be undone by a
// later rewrite of the list in memory: deletions made so far are written first, and the list
// is read again after the change.
template <typename ChangeBook> bool CLexadoDlg::ChangeNewWordBook(ChangeBook change) {
    const bool learnt = NameField(settings_.libraryFile) == kNewWordBookFile;
    if (learnt) {
        WriteBackLibrary();
    }
    const bool changed = change();
    if (learnt) {
        library_.Load(programFolder_, NameField(settings_.libraryFile));
    }
    if (!changed) {
        ShowMessage(this, StringText(StringId::WriteFileError));
    }
    return changed;
}

// The message boxes of the new-word book and of deleting leave the timers running.
void CLexadoDlg::AddToNewWordBook() {
    const QByteArray line = state_.currentLine;
    const bool added = ChangeNewWordBook([&] { return AppendToNewWordBook(programFolder_, line); });
    if (added && settings_.confirmActions) {
        ShowMessage(this, StringText(StringId::WordAddedToNewWordBook));
    }
}

// Asked whatever confirmActions says.
void CLexadoDlg::ClearNewWordBook() {
    const MessageAnswer answer =
        ShowMessage(this, StringText(StringId::ConfirmClearNewWordBook), MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        ChangeNewWordBook([&] { return EmptyNewWordBook(programFolder_); });
    }
}

// The entry is taken before the question: the word timer may present another entry while the
// question is open, and it is the entry the user was asked about that goes. The file is
// rewritten at the next rewrite point (choosing a library, loading progress, exit).
void CLexadoDlg::DeleteWord() {
    const qsizetype index = state_.currentIndex;
    const QByteArray line = state_.currentLine;
    if (!MayDeleteEntry(library_.words(), index, line, lastDeletedLine_)) {
        return;
    }
    if (settings_.confirmActions && ShowMessage(this, StringText(StringId::ConfirmDeleteWord),
                                                MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    library_.RemoveEntry(index);
    lastDeletedLine_ = line;
    // An entry shown meanwhile from further down the list has moved up by one.
    if (state_.currentIndex > index) {
        --state_.currentIndex;
    }
}

// The file holds the font in use, whatever the record said before.
void CLexadoDlg::SaveProgress() {
    engine_.RunTimers(false);
    const std::optional<QString> path =
        ChooseFile(this, ProgressFileDialog(FileDialogMode::Save, programFolder_));
    if (path) {
        StoreFont(wordFont_, settings_.wordFont);
        if (!WriteProgressFile(*path, settings_)) {
            ShowMessage(this, StringText(StringId::WriteFileError));
        }
    }
    engine_.RunTimers(true);
}

// Deletions reach the current library's file before anything is read, even when the chosen
// file then cannot be used. A file that is not one record long is refused and changes nothing.
// Of the loaded record, the library, the cursor, speech and the timers take effect at once;
// colours, layout and the window's place at the next entry; the word font at the next start.
void CLexadoDlg::LoadProgress() {
    engine_.RunTimers(false);
    const bool speechWasOn = settings_.speechOn != 0;
    const std::optional<QString> path =
        ChooseFile(this, ProgressFileDialog(FileDialogMode::Open, programFolder_));
    if (path) {
        WriteBackLibrary();
        const LoadedProgress loaded = ReadProgressFile(*path);
        if (loaded.status == ProgressStatus::NotProgressFile) {
            ShowMessage(this, StringText(StringId::NotProgressFile));
        } else if (loaded.status == ProgressStatus::Read) {
            settings_ = loaded.record;
            library_.Load(programFolder_, NameField(settings_.libraryFile));
            if (settings_.speechOn && !speechWasOn) {
                // The voice of speechModeId starts here once speech exists; until then there
                // is none to speak with.
                state_.speechReady = false;
            }
            engine_.NextEntry();
        }
    }
    // Restarts the tick timer when the loaded record draws the bar or delays the meaning.
    engine_.RunTimers(true);
}

// A locate leaves a paused window paused: the entry found stays, with its meaning, until the
// user steps on or resumes, as a step with Enter does.
void CLexadoDlg::FindWord() {
    engine_.RunTimers(false);
    const std::optional<qsizetype> found = CFindDlg::Run(this, library_.words());
    if (found && *found < 0) {
        ShowMessage(this, StringText(StringId::WordNotFound));
    } else if (found) {
        LocateEntry(*found, library_.words(), settings_, state_);
        engine_.ShowEntry();
        if (state_.paused) {
            state_.meaningShown = true;
        }
    }
    // The word timer starts afresh, so the entry found stays for a whole period.
    engine_.RunTimers(true);
}
