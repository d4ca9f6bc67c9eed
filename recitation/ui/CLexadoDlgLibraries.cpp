// The library commands of CLexadoDlg: choosing the library to learn and managing the
// catalogue.

#include "recitation/ui/CLexadoDlg.h"

#include "controls/MessageBox.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "library/ui/CLibraryManagerDlg.h"
#include "strings/StringTable.h"

#include <algorithm>

// The record holds the library's file name and display name in fields of this many bytes and
// a NUL; the library manager and the choose-library dialog refuse file names that would not
// fit, so a chosen file name is never cut.
static_assert(sizeof(SettingsRecord::libraryFile) == kLibraryNameBytes + 1);
static_assert(sizeof(SettingsRecord::libraryName) == kLibraryNameBytes + 1);

// The dialog works on a copy of the library; confirmed with a library that has entries, that
// list becomes the library and the recitation starts again at its beginning. Whatever the
// outcome, the next entry follows.
void CLexadoDlg::ChooseLibrary() {
    engine_.RunTimers(false);
    // The dialog may read the current library's file, which must hold the deletions made.
    WriteBackLibrary();
    CChooseLibraryDlg dialog(programFolder_, catalogue_, library_.words(),
                             NameField(settings_.libraryFile), NameField(settings_.libraryName),
                             this);
    if (dialog.exec() == QDialog::Accepted && dialog.count() != 0) {
        SetNameField(settings_.libraryFile, dialog.fileName());
        SetNameField(settings_.libraryName, dialog.displayName());
        library_.Adopt(dialog.TakeEntries());
        settings_.groupSize = static_cast<std::int32_t>(
            std::min<qsizetype>(settings_.groupSize, library_.entryCount()));
        settings_.position = 0;
        settings_.repeatCount = 0;
        settings_.groupNumber = 1;
    }
    engine_.NextEntry();
    engine_.RunTimers(true);
}

// The manager edits the catalogue in place; the presented library stays as it is, even when
// it was taken out of the catalogue or its file deleted.
void CLexadoDlg::ManageLibraries() {
    engine_.RunTimers(false);
    CLibraryManagerDlg dialog(programFolder_, catalogue_, this);
    dialog.exec();
    engine_.RunTimers(true);
}
