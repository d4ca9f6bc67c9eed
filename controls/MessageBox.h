#pragma once

#include <QString>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through here: a modal box titled with the program's
// name, with one OK button or Yes and No. Tests answer it in advance (AnswersInAdvance.h).
MessageAnswer ShowMessage(QWidget* parent, const QString& text,
                          MessageButtons buttons = MessageButtons::Ok);

// A warning with the exclamation icon and one OK button; tests answer it in advance too.
void ShowWarning(QWidget* parent, const QString& text);
