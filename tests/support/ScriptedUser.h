#pragma once

#include "commands/UserDialogue.h"

#include <QList>

#include <functional>
#include <utility>

// The user of the command tests: answers from a script, each kind of question in its own
// order, and remembers what it was asked and told. A question without a scripted answer is
// answered No, a chooser cancelled.
struct ScriptedUser : UserDialogue {
    bool Ask(StringId question) override {
        said.append(question);
        if (whileAsked) {
            std::exchange(whileAsked, {})();
        }
        return !yes.isEmpty() && yes.takeFirst();
    }
    void Tell(StringId message) override { said.append(message); }
    std::optional<QString> ChooseFile(const FileChoice& choice) override {
        fileChoices.append(choice);
        return Next(texts);
    }
    std::optional<QString> AskSearchText() override { return Next(texts); }
    std::optional<ChosenLibrary> ChooseLibrary(const LibraryOnShow& current) override {
        if (whileChoosing) {
            std::exchange(whileChoosing, {})();
        }
        offers.append(current.fileName);
        return Next(libraries);
    }

    template <typename T> static std::optional<T> Next(QList<std::optional<T>>& answers) {
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    // Answers.
    QList<bool> yes;                     // to the questions
    QList<std::optional<QString>> texts; // paths and search texts
    QList<std::optional<ChosenLibrary>> libraries;
    std::function<void()> whileAsked;    // once, while the next question is open
    std::function<void()> whileChoosing; // once, while the next library chooser is open

    // What happened.
    QList<StringId> said; // the questions and messages, in order
    QList<FileChoice> fileChoices;
    QList<QByteArray> offers; // the file of the library on show when a chooser opened
};
