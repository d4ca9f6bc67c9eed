#pragma once

#include "commands/UserDialogue.h"
#include "library/Catalogue.h"

#include <QString>

class QWidget;

// The commands talk to the user through the main window's dialogs: message boxes, the file
// dialogs, the find dialog and the choose-library dialog, each modal over the window.
class WindowDialogue : public UserDialogue {
public:
    // The choose-library dialog offers the catalogue's libraries, read from the program folder.
    WindowDialogue(QWidget& window, const QString& programFolder,
                   const LibraryCatalogue& catalogue);

    bool Ask(StringId question) override;
    void Tell(StringId message) override;
    std::optional<QString> ChooseFile(const FileChoice& choice) override;
    std::optional<QString> AskSearchText() override;
    std::optional<ChosenLibrary> ChooseLibrary(const LibraryOnShow& current) override;

private:
    QWidget& window_;
    QString programFolder_;
    const LibraryCatalogue& catalogue_;
};
