#pragma once

#include "library/WordList.h"
#include "strings/StringIds.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a file chooser offers: open an existing file or name one to save, where it starts, its
// filter ("save(*.sav)") and the suffix added to a name typed without one.
struct FileChoice {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString folder;
    QString filter;
    QString defaultSuffix;
};

// The library on show, as the choose-library dialog opens on it.
struct LibraryOnShow {
    WordList entries;
    QByteArray fileName;
    QByteArray displayName;
};

// A library chosen in the choose-library dialog: its names and the entries it read.
struct ChosenLibrary {
    QByteArray fileName;
    QByteArray displayName;
    WordList entries;
};

// How the commands talk to the user. The main window answers with its dialogs; tests answer
// from a script. Every call waits for the user's answer; the recitation's timers may run on
// meanwhile, unless the command holds them.
class UserDialogue {
public:
    virtual ~UserDialogue() = default;

    // A question with Yes and No: true for Yes.
    virtual bool Ask(StringId question) = 0;
    // A message with one OK button.
    virtual void Tell(StringId message) = 0;
    // A file to open or to save to; nothing when cancelled.
    virtual std::optional<QString> ChooseFile(const FileChoice& choice) = 0;
    // The beginning of the entry to find; nothing when cancelled.
    virtual std::optional<QString> AskSearchText() = 0;
    // Another library to learn, in the choose-library dialog; nothing when cancelled.
    virtual std::optional<ChosenLibrary> ChooseLibrary(const LibraryOnShow& current) = 0;
};
