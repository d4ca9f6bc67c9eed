#pragma once

#include "controls/FileDialog.h"
#include "controls/MessageBox.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Tests answer the program's modal boxes in advance instead of showing them, so that none can
// hang a test run: message boxes, file dialogs and the find dialog take their answers from one
// queue, in the order they open. While answering is off, every box is shown to the user.
namespace AnswersInAdvance {

void Enable(bool on);
bool Enabled();

// The next message box is answered with this button; `whileShown` runs as if while it were
// open (the program's timers run on behind a message box).
void Queue(MessageAnswer button, std::function<void()> whileShown = {});
// The next file dialog is answered with this path, the next find dialog with this search text
// confirmed with OK; nothing is Cancel.
void Queue(std::optional<QString> pathOrText);

// The texts of the message boxes and the offers of the file dialogs shown so far.
QStringList Messages();
QList<FileDialogOptions> FileDialogs();
// Forgets the queued answers and what was shown.
void Clear();

// For the boxes themselves, while answering is on: records what is shown and takes the next
// answer. With none queued, a message box is answered OK (or No for a question), and a file or
// find dialog is cancelled.
MessageAnswer AnswerMessage(const QString& text, MessageButtons buttons);
std::optional<QString> AnswerFileDialog(const FileDialogOptions& options);
std::optional<QString> AnswerFind();

} // namespace AnswersInAdvance
