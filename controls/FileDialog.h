#pragma once

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
// user picked the name on purpose. Nothing when the dialog is cancelled. Tests answer it in
// advance (AnswersInAdvance.h).
std::optional<QString> ChooseFile(QWidget* parent, const FileDialogOptions& options);
