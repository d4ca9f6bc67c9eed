#pragma once

#include "commands/UserDialogue.h"
#include "recitation/CommandIds.h"
#include "recitation/SettingsRecord.h"

#include <QString>

#include <functional>

class RecitationEngine;
class RecitationMemory;

// What only the main window can do for a command.
struct WindowHooks {
    // A loaded progress record made fit for the window: its place brought onto a screen and
    // its word font described as the font in use.
    std::function<void(SettingsRecord& record)> fitLoadedRecord;
    // Starts the voice the engine's record names and tells the engine whether it started.
    std::function<void()> startSpeech;
};

// The commands on the recitation, its words and its libraries, apart from any window: pause
// and the groups, the new-word book, deleting a word, progress files, find, choosing a library,
// and what exit saves. They act on the engine and the program folder's files and talk to the
// user through `user`.
class WordCommands {
public:
    // Without a memory the ratings are not saved, and the user is told so.
    WordCommands(RecitationEngine& engine, const QString& programFolder, UserDialogue& user,
                 WindowHooks window, RecitationMemory* memory = nullptr);

    // Carries out one of these commands; false for a command that is not one of them.
    bool Run(CommandId command);

    // Exit: saves the settings record, then writes back a library that lost entries. False when
    // Lexado.ini cannot be written (the user is told, and nothing else is written).
    bool SaveAtExit();

    // Writes back a library that lost entries; tells the user when its file cannot be written.
    bool WriteBackLibrary();

private:
    bool LearningNewWordBook() const;
    void ReadNewWordBookAgain();
    void AddToNewWordBook();
    void ClearNewWordBook();
    void DeleteWord();
    void SaveProgress();
    void LoadProgress();
    void Find();
    void ChooseLibrary();
    void Rate(bool known);

    RecitationEngine& engine_;
    QString programFolder_;
    UserDialogue& user_;
    WindowHooks window_;
    RecitationMemory* memory_;
};
