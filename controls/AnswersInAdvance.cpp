#include "controls/AnswersInAdvance.h"

#include <utility>

namespace {

struct Answer {
    std::optional<MessageAnswer> button; // for a message box
    std::optional<QString> text;         // for a file or find dialog
    std::function<void()> whileShown;
};

struct Answers {
    bool enabled = false;
    QList<Answer> queued;
    QStringList messages;
    QList<FileDialogOptions> fileDialogs;
};

Answers& TheAnswers() {
    static Answers answers;
    return answers;
}

std::optional<Answer> TakeAnswer() {
    Answers& answers = TheAnswers();
    if (answers.queued.isEmpty()) {
        return std::nullopt;
    }
    Answer answer = answers.queued.takeFirst();
    if (answer.whileShown) {
        answer.whileShown();
    }
    return answer;
}

std::optional<QString> TakeText() {
    const std::optional<Answer> answer = TakeAnswer();
    return answer ? answer->text : std::nullopt;
}

} // namespace

namespace AnswersInAdvance {

void Enable(bool on) {
    TheAnswers().enabled = on;
}

bool Enabled() {
    return TheAnswers().enabled;
}

void Queue(MessageAnswer button, std::function<void()> whileShown) {
    TheAnswers().queued.append({button, std::nullopt, std::move(whileShown)});
}

void Queue(std::optional<QString> pathOrText) {
    TheAnswers().queued.append({std::nullopt, std::move(pathOrText), {}});
}

QStringList Messages() {
    return TheAnswers().messages;
}

QList<FileDialogOptions> FileDialogs() {
    return TheAnswers().fileDialogs;
}

void Clear() {
    Answers& answers = TheAnswers();
    answers.queued.clear();
    answers.messages.clear();
    answers.fileDialogs.clear();
}

MessageAnswer AnswerMessage(const QString& text, MessageButtons buttons) {
    TheAnswers().messages.append(text);
    const MessageAnswer unanswered =
        buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    const std::optional<Answer> answer = TakeAnswer();
    return answer ? answer->button.value_or(unanswered) : unanswered;
}

std::optional<QString> AnswerFileDialog(const FileDialogOptions& options) {
    TheAnswers().fileDialogs.append(options);
    return TakeText();
}

std::optional<QString> AnswerFind() {
    return TakeText();
}

} // namespace AnswersInAdvance
