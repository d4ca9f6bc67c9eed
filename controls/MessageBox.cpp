#include "controls/MessageBox.h"

#include "app/StringTable.h"

#include <QList>
#include <QMessageBox>

namespace {

struct Answers {
    bool enabled = false;
    QList<MessageAnswer> queued;
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
        return answers.queued.takeFirst();
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

void Queue(MessageAnswer answer) {
    TheAnswers().queued.append(answer);
}

QStringList Shown() {
    return TheAnswers().shown;
}

void Clear() {
    TheAnswers().queued.clear();
    TheAnswers().shown.clear();
}

} // namespace MessageBoxAnswers
