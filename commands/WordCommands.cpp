#include "commands/WordCommands.h"

#include "commands/RecitationMemory.h"
#include "library/Catalogue.h"
#include "library/FindEntry.h"
#include "library/LibraryFile.h"
#include "library/NewWordBook.h"
#include "recitation/ProgressFile.h"
#include "recitation/RecitationEngine.h"
#include "recitation/SettingsFile.h"

#include <utility>

// The record holds the library's file name and display name in fields of this many bytes and
// a NUL; the library manager and the choose-library dialog refuse file names that would not
// fit, so a chosen file name is never cut.
static_assert(sizeof(SettingsRecord::libraryFile) == kLibraryNameBytes + 1);
static_assert(sizeof(SettingsRecord::libraryName) == kLibraryNameBytes + 1);

namespace {

FileChoice ProgressFileChoice(FileChoice::Mode mode, const QString& programFolder) {
    return {mode, programFolder, QString::fromLatin1(kProgressFileFilter),
            QString::fromLatin1(kProgressFileSuffix)};
}

} // namespace

WordCommands::WordCommands(RecitationEngine& engine, const QString& programFolder,
                           UserDialogue& user, WindowHooks window, RecitationMemory* memory)
    : engine_(engine), programFolder_(programFolder), user_(user), window_(std::move(window)),
      memory_(memory) {}

bool WordCommands::Run(CommandId command) {
    switch (command) {
    case CommandId::Pause:
        engine_.TogglePause();
        return true;
    case CommandId::PreviousGroup:
        engine_.PreviousGroup();
        return true;
    case CommandId::NextGroup:
        engine_.NextGroup();
        return true;
    case CommandId::AddToNewWordBook:
        AddToNewWordBook();
        return true;
    case CommandId::ClearNewWordBook:
        ClearNewWordBook();
        return true;
    case CommandId::DeleteWord:
        DeleteWord();
        return true;
    case CommandId::SaveProgress:
        SaveProgress();
        return true;
    case CommandId::LoadProgress:
        LoadProgress();
        return true;
    case CommandId::Find:
        Find();
        return true;
    case CommandId::ChooseLibrary:
        ChooseLibrary();
        return true;
    case CommandId::RateKnown:
    case CommandId::RateAgain:
        Rate(command == CommandId::RateKnown);
        return true;
    default:
        return false;
    }
}

bool WordCommands::SaveAtExit() {
    if (!SaveSettings(programFolder_, engine_.settings())) {
        user_.Tell(StringId::WriteFileError);
        return false;
    }
    WriteBackLibrary();
    return true;
}

bool WordCommands::WriteBackLibrary() {
    if (!engine_.RewriteLibrary(programFolder_)) {
        user_.Tell(StringId::LibraryFileNotFound);
        return false;
    }
    return true;
}

bool WordCommands::LearningNewWordBook() const {
    return NameField(engine_.settings().libraryFile) == kNewWordBookFile;
}

void WordCommands::ReadNewWordBookAgain() {
    engine_.ReloadLibrary(ReadWordLibrary(programFolder_, kNewWordBookFile).entries);
}

// The book being learnt is a library like any other, but this command changes its file under
// the list: the deletions made so far are written first and the list is read again after the
// change. When they cannot be written, the list keeps them and takes the line itself, and all
// of it is written at the next rewrite. The messages leave the timers running.
void WordCommands::AddToNewWordBook() {
    const QByteArray line = engine_.state().currentLine;
    const bool learnt = LearningNewWordBook();
    const bool listWritten = learnt && WriteBackLibrary();
    if (!AppendToNewWordBook(programFolder_, line)) {
        user_.Tell(StringId::WriteFileError);
        return;
    }
    if (listWritten) {
        ReadNewWordBookAgain();
    } else if (learnt) {
        engine_.AppendEntry(line);
    }
    // A word put in the book is one the learner does not know yet.
    if (memory_ && memory_->isOpen()) {
        Rate(false);
    }
    if (engine_.settings().confirmActions) {
        user_.Tell(StringId::WordAddedToNewWordBook);
    }
}

void WordCommands::Rate(bool known) {
    if (!memory_ || !memory_->Rate(known).ok()) {
        user_.Tell(StringId::MemoryNotSaved);
    }
}

// Asked whatever confirmActions says. Emptied, the book being learnt shows that it is empty;
// not emptied, it keeps every deletion not yet written.
void WordCommands::ClearNewWordBook() {
    if (!user_.Ask(StringId::ConfirmClearNewWordBook)) {
        return;
    }
    if (!EmptyNewWordBook(programFolder_)) {
        user_.Tell(StringId::WriteFileError);
        return;
    }
    if (LearningNewWordBook()) {
        ReadNewWordBookAgain();
    }
}

// The entry is taken before the question: the word timer may present another entry while the
// question is open, and it is the entry the user was asked about that goes. The file is
// rewritten at the next rewrite point (choosing a library, loading progress, exit).
void WordCommands::DeleteWord() {
    const std::optional<EntryOnShow> entry = engine_.EntryToRemove();
    if (!entry) {
        return;
    }
    if (engine_.settings().confirmActions && !user_.Ask(StringId::ConfirmDeleteWord)) {
        return;
    }
    engine_.RemoveEntry(*entry);
}

void WordCommands::SaveProgress() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<QString> path =
        user_.ChooseFile(ProgressFileChoice(FileChoice::Mode::Save, programFolder_));
    if (path && !WriteProgressFile(*path, engine_.settings())) {
        user_.Tell(StringId::WriteFileError);
    }
}

// Deletions reach the current library's file before anything is read, even when the chosen
// file then cannot be used. A file that is not one record long is refused and changes nothing.
// Of the loaded record, the library, the cursor, speech, the timers (when the hold ends) and
// the window's place take effect at once; colours and layout with the next entry, which
// follows at once; the word font stays the one in use.
void WordCommands::LoadProgress() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<QString> path =
        user_.ChooseFile(ProgressFileChoice(FileChoice::Mode::Open, programFolder_));
    if (!path) {
        return;
    }
    WriteBackLibrary();
    LoadedProgress loaded = ReadProgressFile(*path);
    if (loaded.status == ProgressStatus::NotProgressFile) {
        user_.Tell(StringId::NotProgressFile);
    }
    if (loaded.status != ProgressStatus::Read) {
        return;
    }
    SettingsRecord& record = loaded.record;
    window_.fitLoadedRecord(record);
    const bool speechTurnedOn = record.speechOn && !engine_.settings().speechOn;
    engine_.AdoptProgress(record,
                          ReadWordLibrary(programFolder_, NameField(record.libraryFile)).entries);
    // A voice already started stays, also when the loaded record turns speech off.
    if (speechTurnedOn) {
        window_.startSpeech();
    }
    engine_.NextEntry();
}

// The word timer starts afresh when the hold ends, so the entry found stays for a whole period;
// a paused window stays paused, the entry found shown with its meaning.
void WordCommands::Find() {
    const TimerHold hold = engine_.HoldTimers();
    const std::optional<QString> text = user_.AskSearchText();
    if (!text) {
        return;
    }
    const qsizetype found = FindEntry(engine_.library().words(), *text);
    if (found < 0) {
        user_.Tell(StringId::WordNotFound);
        return;
    }
    engine_.ShowFoundEntry(found);
}

// The dialog works on a copy of the library and may read its file, which must hold the
// deletions made first. Confirmed with a library that has entries, that list becomes the
// library and the recitation starts again at its beginning. Whatever the outcome, the next
// entry follows.
void WordCommands::ChooseLibrary() {
    const TimerHold hold = engine_.HoldTimers();
    WriteBackLibrary();
    const SettingsRecord& s = engine_.settings();
    std::optional<ChosenLibrary> chosen =
        user_.ChooseLibrary({engine_.library().words(), NameField(s.libraryFile).toByteArray(),
                             NameField(s.libraryName).toByteArray()});
    if (chosen && !chosen->entries.isEmpty()) {
        engine_.StartLibrary(chosen->fileName, chosen->displayName, std::move(chosen->entries));
    }
    engine_.NextEntry();
}
