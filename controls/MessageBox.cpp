#include "controls/MessageBox.h"

#include "controls/AnswersInAdvance.h"
#include "strings/StringTable.h"

#include <QMessageBox>

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons) {
    if (AnswersInAdvance::Enabled()) {
        return AnswersInAdvance::AnswerMessage(text, buttons);
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

void ShowWarning(QWidget* parent, const QString& text) {
    if (AnswersInAdvance::Enabled()) {
        AnswersInAdvance::AnswerMessage(text, MessageButtons::Ok);
        return;
    }
    QMessageBox::warning(parent, StringText(StringId::ProgramName), text);
}
