#include "controls/MessageBox.h"

#include "strings/StringTable.h"

#include <QList>
#include <QMessageBox>

#include <utility>

namespace {

struct QueuedAnswer {
    MessageAnswer answer;
    std::function<void()> whileShown;
};

struct Answers {
    bool enabled = false;
    QList<QueuedAnswer> queued;
    QStringList shown;
};

Answers& TheAnswers() {
    static Answers answers;
    return answers;
}

MessageAnswer AnswerInAdvance(const QString& text, MessageButtons buttons) {
    Answers& answers = TheAnswers();
    answers.shown.append(text);
    if (!answers.queued.isEmpty()) {
        const QueuedAnswer queued = answers.queued.takeFirst();
        if (queued.whileShown) {
            queued.whileShown();
        }
        return queued.answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

} // namespace

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons) {
    if (TheAnswers().enabled) {
        return AnswerInAdvance(text, buttons);
    }
    const QString title = StringText(StringId::ProgramName);
    if (buttons == MessageButtons::Ok) {
        QMessageBox::information(parent, title, text);
        return MessageAnswer::Ok;
    }
    const auto answer = QMessageBox::question(parent, title, text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

namespace MessageBoxAnswers {

void Enable(bool on) {
    TheAnswers().enabled = on;
}

void Queue(MessageAnswer answer, std::function<void()> whileShown) {
    TheAnswers().queued.append({answer, std::move(whileShown)});
}

QStringList Shown() {
    return TheAnswers().shown;
}

void Clear() {
    TheAnswers().queued.clear();
    TheAnswers().shown.clear();
}

} // namespace MessageBoxAnswers

void ShowWarning(QWidget* parent, const QString& text) {
    if (TheAnswers().enabled) {
        AnswerInAdvance(text, MessageButtons::Ok);
        return;
    }
    QMessageBox::warning(parent, StringText(StringId::ProgramName), text);
}
