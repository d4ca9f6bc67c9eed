#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through here: a modal box titled with the program's
// name, with one OK button or Yes and No.
MessageAnswer ShowMessage(QWidget* parent, const QString& text,
                          MessageButtons buttons = MessageButtons::Ok);

// Tests answer message boxes in advance instead of showing them, so none can hang a test run:
// while answering is on, ShowMessage records the text and returns the next queued answer (OK
// or No when none is queued). An answer may come with something that happens while the box
// is open, such as a timer expiring: the program's timers run on behind a message box.
namespace MessageBoxAnswers {
void Enable(bool on);
void Queue(MessageAnswer answer, std::function<void()> whileShown = {});
QStringList Shown();
void Clear();
} // namespace MessageBoxAnswers

// A warning with the exclamation icon and one OK button; tests answer it as above.
void ShowWarning(QWidget* parent, const QString& text);
