#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

enum class FileDialogMode { Open, Save };

// What a file dialog offers: where it starts, its filter ("save(*.sav)", or several with ";;"
// between them, the first chosen) and the suffix added to a name typed without one.
struct FileDialogOptions {
    FileDialogMode mode = FileDialogMode::Open;
    QString folder;
    QString filter;
    QString defaultSuffix;
};

// Every file dialog of the program goes through here: the desktop's open or save-as dialog,
// modal. Open only takes an existing file; save-as asks no question before overwriting, as the
// user picked the name on purpose. Nothing when the dialog is cancelled.
std::optional<QString> ChooseFile(QWidget* parent, const FileDialogOptions& options);

// Tests answer file dialogs in advance instead of showing them, so none can hang a test run:
// while answering is on, ChooseFile records the options and returns the next queued answer (a
// path, or nothing for cancel; cancel when none is queued).
namespace FileDialogAnswers {
void Enable(bool on);
void Queue(std::optional<QString> answer);
QList<FileDialogOptions> Shown();
void Clear();
} // namespace FileDialogAnswers
