#include "recitation/ui/WindowDialogue.h"

#include "controls/FileDialog.h"
#include "controls/MessageBox.h"
#include "library/ui/CChooseLibraryDlg.h"
#include "library/ui/CFindDlg.h"
#include "strings/StringTable.h"

WindowDialogue::WindowDialogue(QWidget& window, const QString& programFolder,
                               const LibraryCatalogue& catalogue)
    : window_(window), programFolder_(programFolder), catalogue_(catalogue) {}

bool WindowDialogue::Ask(StringId question) {
    return ShowMessage(&window_, StringText(question), MessageButtons::YesNo) == MessageAnswer::Yes;
}

void WindowDialogue::Tell(StringId message) {
    ShowMessage(&window_, StringText(message));
}

std::optional<QString> WindowDialogue::ChooseFile(const FileChoice& choice) {
    const FileDialogMode mode =
        choice.mode == FileChoice::Mode::Save ? FileDialogMode::Save : FileDialogMode::Open;
    return ::ChooseFile(&window_, {mode, choice.folder, choice.filter, choice.defaultSuffix});
}

std::optional<QString> WindowDialogue::AskSearchText() {
    return CFindDlg::Run(&window_);
}

std::optional<ChosenLibrary> WindowDialogue::ChooseLibrary(const LibraryOnShow& current) {
    CChooseLibraryDlg dialog(programFolder_, catalogue_, current.entries, current.fileName,
                             current.displayName, &window_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ChosenLibrary{dialog.fileName(), dialog.displayName(), dialog.TakeEntries()};
}
