// The library commands of CLexadoDlg: choosing the library to learn and managing the
// catalogue.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/MessageBox.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "library/ui/CLibraryManagerDlg.h"
#include "speech/IpaTranscription.h"
#include "strings/StringTable.h"

// The record holds the library's file name and display name in fields of this many bytes and
// a NUL; the library manager and the choose-library dialog refuse file names that would not
// fit, so a chosen file name is never cut.
static_assert(sizeof(SettingsRecord::libraryFile) == kLibraryNameBytes + 1);
static_assert(sizeof(SettingsRecord::libraryName) == kLibraryNameBytes + 1);

// The dialog works on a copy of the library; confirmed with a library that has entries, that
// list becomes the library and the recitation starts again at its beginning. Whatever the
// outcome, the next entry follows.
void CLexadoDlg::ChooseLibrary() {
    const TimerHold hold = engine_.HoldTimers();
    // The dialog may read the current library's file, which must hold the deletions made.
    WriteBackLibrary();
    const SettingsRecord& s = engine_.settings();
    CChooseLibraryDlg dialog(programFolder_, catalogue_, engine_.library().words(),
                             NameField(s.libraryFile), NameField(s.libraryName), this);
    if (dialog.exec() == QDialog::Accepted && dialog.count() != 0) {
        engine_.StartLibrary(dialog.fileName(), dialog.displayName(), dialog.TakeEntries());
    }
    engine_.NextEntry();
}

// The manager edits the catalogue in place; the presented library stays as it is, even when
// it was taken out of the catalogue or its file deleted.
void CLexadoDlg::ManageLibraries() {
    const TimerHold hold = engine_.HoldTimers();
    CLibraryManagerDlg dialog(programFolder_, catalogue_, &IpaTranscription, this);
    dialog.exec();
}
